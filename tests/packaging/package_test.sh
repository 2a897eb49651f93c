#!/usr/bin/env bash
# Builds the Debian package from the already built tree (no rebuild), checks
# it with the tools Debian itself uses, then unpacks it into a scratch root
# and runs orvenda-cli from there with a fresh home: the user's folder is made
# and seeded, the view equals the one from the build folder, and a later start
# keeps what the user changed.
#
#   package_test.sh <build folder> <source folder>
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

echo "== cpack"
# With the Makefile generator cpack first builds the whole tree again (its
# "preinstall" target) while other tests run from it; naming a generator
# that has no such step makes it install the tree as it was built.
cpack --config "$build/CPackConfig.cmake" -D CPACK_CMAKE_GENERATOR=Ninja -B "$scratch/out" \
  >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/orvenda_*.deb)
echo "$deb"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
for path in usr/bin/orvenda usr/bin/orvenda-cli usr/bin/orvenda-report \
  usr/share/orvenda/Orvenda.cfg usr/share/orvenda/oriental_perls.wis usr/share/orvenda/Orvenda.html \
  usr/share/orvenda/change.log usr/share/orvenda/Template/t_days_rus.txt \
  usr/share/orvenda/Template/kala_day.xlsx usr/share/orvenda/Template/kala_day_years.xlsx \
  usr/share/orvenda/Template/kala_listevt.xlsx \
  usr/share/orvenda/Img/Kalachakra.jpg usr/share/orvenda/Img/Principles/60.bmp \
  usr/share/applications/orvenda.desktop usr/share/metainfo/ru.orvenda.Orvenda.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/orvenda.svg \
  usr/share/icons/hicolor/48x48/apps/orvenda.png usr/share/icons/hicolor/64x64/apps/orvenda.png \
  usr/share/icons/hicolor/128x128/apps/orvenda.png usr/share/icons/hicolor/256x256/apps/orvenda.png \
  usr/share/man/man1/orvenda-cli.1.gz usr/share/man/man1/orvenda.1.gz usr/share/man/man1/orvenda-report.1.gz \
  usr/share/doc/orvenda/copyright usr/share/doc/orvenda/changelog.gz; do
  [ -e "$root/$path" ] || fail "the package lacks /$path"
done
for size in 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/orvenda.png
  [ -e "$png" ] || continue
  file -b "$png" | grep -q "PNG image data, $size x $size" || fail "$png is not a $size px PNG: $(file -b "$png")"
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' ||
  fail "Depends does not name the Qt libraries: $(dpkg-deb -f "$deb" Depends)"

echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/orvenda.desktop" || fail "desktop-file-validate"

echo "== appstreamcli validate"
# --no-net: the screenshot's web address is not fetched from a test.
appstreamcli validate --no-net "$root/usr/share/metainfo/ru.orvenda.Orvenda.metainfo.xml" || fail "appstreamcli validate"

echo "== man --warnings"
for page in orvenda-cli orvenda orvenda-report; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$root/usr/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man --warnings on $page.1: $warnings"
done

echo "== lintian"
# Errors fail the package; warnings are printed and judged by a person.
lintian --fail-on error --no-tag-display-limit "$deb" || fail "lintian reports errors"

echo "== orvenda-cli from the unpacked package"
home=$scratch/home
mkdir -p "$home"
now="30.12.2026 10:00:00"
run_installed() {
  env -u XDG_CONFIG_HOME HOME="$home" "$root/usr/bin/orvenda-cli" "$@"
}
run_installed day --now "$now" >"$scratch/installed.txt" || fail "orvenda-cli day from the package"
user=$home/.config/orvenda
[ -d "$user" ] || fail "the first start made no $user"
for f in "$root"/usr/share/orvenda/*.cfg "$root"/usr/share/orvenda/*.sch "$root"/usr/share/orvenda/*.evt \
  "$root"/usr/share/orvenda/*.wis; do
  name=$(basename "$f")
  if [ "$name" = oriental_perls.wis ]; then
    [ ! -e "$user/$name" ] || fail "the fixed saying file was copied into the user's folder"
  else
    cmp -s "$f" "$user/$name" || fail "$name was not seeded into the user's folder"
  fi
done
grep -q "^Создана папка пользователя: $user/\$" "$scratch/installed.txt" ||
  fail "the journal does not say that the user's folder was made"

# Everything after the journal is the same as from the build folder.
(cd "$scratch" && "$build/bin/orvenda-cli" day --now "$now") >"$scratch/built.txt"
diff -u <(sed -n '/^\[date\]$/,$p' "$scratch/built.txt") <(sed -n '/^\[date\]$/,$p' "$scratch/installed.txt") ||
  fail "the view from the package differs from the view from the build folder"
grep -q '^\[events\]$' "$scratch/installed.txt" || fail "no view printed"

# A second start keeps the user's files, including a configuration they changed.
printf 'ViewGroup       = False\r\n' >>"$user/Orvenda.cfg"
cp "$user/Orvenda.cfg" "$scratch/changed.cfg"
rm "$user/proverbs.wis"
run_installed day --now "$now" >"$scratch/second.txt" || fail "second start"
cmp -s "$scratch/changed.cfg" "$user/Orvenda.cfg" || fail "the second start replaced the user's configuration"
[ ! -e "$user/proverbs.wis" ] || fail "the second start brought back a file the user had deleted"
grep -q 'Создана папка' "$scratch/second.txt" && fail "the second start made the folder again"

echo "== orvenda-cli report from the unpacked package"
# The reports are made by a program beside orvenda-cli, which finds the
# templates of the installed layout.
run_installed report calendar 2006 "$scratch/calendar.xlsx" 2>"$scratch/report.txt" ||
  fail "orvenda-cli report calendar from the package: $(cat "$scratch/report.txt")"
[ "$(head -c 2 "$scratch/calendar.xlsx")" = PK ] || fail "the report from the package is no workbook"

echo "== --version, --help and the manual page"
version=$(run_installed --version)
echo "$version"
grep -qx "Папка пользователя: $user/" <<<"$version" || fail "--version does not name the user's folder"
grep -qx "Папка данных: $root/usr/share/orvenda/" <<<"$version" || fail "--version does not name the data folder"
manual=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$root/usr/share/man/man1/orvenda-cli.1.gz" 2>/dev/null)
help=$(run_installed --help)
# Every command and option the help names is described in the manual page.
while read -r word; do
  grep -qE "^ +$word( |,|$)" <<<"$manual" || fail "the manual page does not describe \"$word\" of --help"
done < <(sed -nE 's/^  orvenda-cli ([a-z-]+).*/\1/p' <<<"$help")
set +e
run_installed --no-such-option >/dev/null 2>"$scratch/usage.txt"
rc=$?
set -e
[ "$rc" -eq 2 ] || fail "an unknown option exits with $rc, not 2"
grep -q '^Использование:' "$scratch/usage.txt" || fail "an unknown option does not print the usage"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all package checks passed"
