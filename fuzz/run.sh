#!/usr/bin/env bash
# Runs every fuzz target (or the ones named) for SECONDS seconds each, one
# after the other, starting from the corpus in fuzz/corpus/<target>/. New
# inputs go to a scratch folder, so the corpus kept in the repository stays
# small; a crashing input is written to the scratch folder as crash-*.
#
#   fuzz/run.sh BUILD_DIR [SECONDS] [TARGET...]
set -euo pipefail

build=$(cd "${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS] [TARGET...]}" && pwd)
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(read_date codec event_file editor config scheme colour_text event_list template)
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/orvenda-fuzz.XXXXXX")
echo "scratch folder: $work"
status=0
for target in "${targets[@]}"; do
  mkdir -p "$work/$target"
  log="$work/$target.log"
  # A template is a workbook's XML, far longer than the lines of a text file.
  max_len=4096
  if [ "$target" = template ]; then max_len=65536; fi
  if (cd "$work" && "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
      -dict="$here/orvenda.dict" -artifact_prefix="$work/$target-" \
      "$work/$target" "$here/corpus/$target") >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
  fi
  runs=$(grep -o 'Done [0-9]* runs' "$log" | grep -o '[0-9]*' || echo '?')
  echo "fuzz_$target: $result, $runs runs in ${seconds} s (log: $log)"
done
exit $status
