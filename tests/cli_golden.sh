#!/usr/bin/env bash
# Runs orvenda-cli with the arguments of a case file and compares its standard
# output and exit code with the case's .expected file.
#
# A case is tests/data/cli/<case>.args: the first line says what the case
# shows, the second holds the arguments (split as the shell splits words);
# a third line "exit N" gives the expected exit code (0 when absent).
# To regenerate the expected files after a deliberate change:
#   ORVENDA_REGENERATE=1 ctest -R '^cli\.'
set -u
cli=$1
case_file=$2
expected=${case_file%.args}.expected
# "@DATA@" in the arguments stands for the folder of the case files.
data_dir=$(cd "$(dirname "$case_file")" && pwd)
args_line=$(sed -n 2p "$case_file")
args_line=${args_line//@DATA@/$data_dir}
want_rc=$(sed -n 3p "$case_file" | sed -n 's/^exit //p')
want_rc=${want_rc:-0}
eval "set -- $args_line"
actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$cli" "$@" | sed "s|$data_dir|@DATA@|g" >"$actual"
rc=${PIPESTATUS[0]}
if [ -n "${ORVENDA_REGENERATE:-}" ]; then
  cp "$actual" "$expected"
  echo "regenerated $expected"
  exit 0
fi
if [ "$rc" -ne "$want_rc" ]; then
  echo "exit code $rc, expected $want_rc"
  exit 1
fi
if ! diff -u "$expected" "$actual" | head -n 40; then :; fi
cmp -s "$expected" "$actual"
