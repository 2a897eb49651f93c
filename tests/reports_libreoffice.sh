#!/usr/bin/env bash
# Has LibreOffice Calc open the three reports that orvenda-cli writes:
#  - every sheet converted to CSV (UTF-8) is compared with the expected
#    cells in tests/data/reports/<report>-<sheet>.csv;
#  - each report converted to PDF must have a page, and as many pictures as
#    the report put in; the first page is kept as a PNG image in OUT for a
#    person to look at.
# Usage: reports_libreoffice.sh ORVENDA_CLI DATA_DIR OUT_DIR
# Exits 77 (skipped) when LibreOffice is not installed.
# To regenerate the expected CSV files after a deliberate change:
#   ORVENDA_REGENERATE=1 ctest -L libreoffice
set -u
cli=$1
data=$2
out=$3

soffice=$(command -v soffice || command -v libreoffice || true)
if [ -z "$soffice" ]; then
  echo "LibreOffice (soffice) is not installed: skipped"
  exit 77
fi

rm -rf "$out"
mkdir -p "$out/csv" "$out/pdf"
fail=0

# The reports are written under the user's Russian locale when it is
# installed: its decimal comma must not reach the files' numbers.
report_locale=C.UTF-8
if locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; then
  report_locale=ru_RU.UTF-8
fi
echo "writing the reports under LC_ALL=$report_locale"
LC_ALL=$report_locale "$cli" report birthday 1890 2017 "$out/birthday.xlsx" || fail=1
LC_ALL=$report_locale "$cli" report calendar 2006 "$out/calendar.xlsx" || fail=1
LC_ALL=$report_locale "$cli" report list "$data/list.evl" "$out/list.xlsx" || fail=1
[ "$fail" -eq 0 ] || { echo "orvenda-cli could not write the reports"; exit 1; }

# A private profile, so the test neither needs nor touches the user's one.
profile="-env:UserInstallation=file://$out/profile"
# CSV filter options: field separator 44 (,), text delimiter 34 ("),
# character set 76 (UTF-8), start line 1, no column formats, language 0,
# quoted text as text, detect special numbers, save as shown, no formulas,
# no space removal, sheet -1 (every sheet into a file of its own).
csv='csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,false,-1'
reports=("$out/birthday.xlsx" "$out/calendar.xlsx" "$out/list.xlsx")
"$soffice" "$profile" --headless --convert-to "$csv" --outdir "$out/csv" "${reports[@]}" >"$out/soffice-csv.log" 2>&1
"$soffice" "$profile" --headless --convert-to pdf --outdir "$out/pdf" "${reports[@]}" >"$out/soffice-pdf.log" 2>&1

# Every sheet of every report against its expected cells.
if [ -n "${ORVENDA_REGENERATE:-}" ]; then
  rm -f "$data"/*.csv
  cp "$out"/csv/*.csv "$data"/ && echo "regenerated the CSV files of $data"
fi
for expected in "$data"/*.csv; do
  name=$(basename "$expected")
  actual="$out/csv/$name"
  if [ ! -f "$actual" ]; then
    echo "LibreOffice wrote no $name"; fail=1; continue
  fi
  if ! cmp -s "$expected" "$actual"; then
    echo "$name differs from the expected cells:"
    diff -u "$expected" "$actual" | head -n 30
    fail=1
  fi
done
for actual in "$out"/csv/*.csv; do
  [ -f "$data/$(basename "$actual")" ] || { echo "unexpected sheet $(basename "$actual")"; fail=1; }
done

# Pages and pictures: the calendar has the 12 month principles; the list 9
# pictures for each entry with a time and 8 for one without.
check_pdf() {
  local pdf="$out/pdf/$1.pdf" want_images=$2
  if [ ! -f "$pdf" ]; then
    echo "LibreOffice wrote no $1.pdf"; fail=1; return
  fi
  local pages images
  pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
  images=$(pdfimages -list "$pdf" | tail -n +3 | wc -l)
  echo "$1.pdf: $pages page(s), $images picture(s)"
  [ "${pages:-0}" -ge 1 ] || { echo "$1.pdf has no page"; fail=1; }
  [ "$images" -eq "$want_images" ] || { echo "$1.pdf: $want_images pictures expected"; fail=1; }
  pdftoppm -png -r 70 -f 1 -l 1 "$pdf" "$out/$1-page"
}
check_pdf birthday 0
check_pdf calendar 12
check_pdf list 35
echo "page images for a person to look at: $out/*-page-1.png"
exit $fail
