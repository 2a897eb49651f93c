#!/usr/bin/env bash
# Times `orvenda-cli day` over generated folders of 100,000 and 1,000,000
# events against the benchmark peers, two other date programs run over the
# same events: gcal (its fixed-date list for the window's days) and remind
# (the reminders of the day, with each event's days before as its advance
# notice); and against a one-pass awk filter that picks the events whose
# notice window covers the day, the floor of what reading the files costs.
# gcal and remind are installed from Debian when missing.
#
# All four run in alternating rounds (bench/alternate.py), so that the load
# of a shared machine falls on each alike; the ratios are of medians taken
# in the same rounds.
#
# Usage: bench/compare_peers.sh [ORVENDA_CLI] [DATA_FOLDER]
#   ORVENDA_CLI  the orvenda-cli of a Release build (default build-release/bin/orvenda-cli)
#   DATA_FOLDER  where the generated folders are kept (default build-release/bench-data)
# RUNS (default 15) sets how many rounds each median is taken over; SIZES
# (default "100000 1000000") the numbers of events.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
cli=$(realpath -m "${1:-$root/build-release/bin/orvenda-cli}")
data=$(realpath -m "${2:-$root/build-release/bench-data}")
runs=${RUNS:-15}
now_text="30.12.2026 10:00:00"
read -r -a sizes <<< "${SIZES:-100000 1000000}"

missing=()
for p in gcal remind; do
  command -v "$p" >/dev/null || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

if [ ! -x "$cli" ]; then
  echo "orvenda-cli not found at $cli (build a Release tree first)" >&2
  exit 2
fi

# The awk filter: the day is 30.12.2026; for each event it takes the occurrence
# in 2026, or in 2027 when the days before reach past the year's end, or in
# 2025 when the days after reach back before its start, and prints the event
# when that occurrence lies inside its window. Floating events are placed on
# their weekday in 2026; astro events have day 0, the last day of the month before.
awk_filter='
function dn(y, m, d,    a) { # days from civil: a day number for (y, m, d)
  if (m <= 2) { y -= 1; m += 12 }
  return 365 * y + int(y / 4) - int(y / 100) + int(y / 400) + int((153 * (m - 3) + 2) / 5) + d
}
function nth(weekday, week, month,    first, wd1, last, d) { # 1 = Monday .. 7 = Sunday; week 5 = last
  if (month == 0) month = 12
  first = dn(2026, month, 1)
  wd1 = (first + 1) % 7 + 1
  if (week < 5) return 1 + (weekday - wd1 + 7) % 7 + 7 * (week - 1)
  last = mdays[month]
  d = last - ((wd1 + last - 1 - 1) % 7 + 1 - weekday + 7) % 7
  return d
}
# The year after is tried only when the days before reach past the end of the
# year, the year before only when the days after reach back before its start.
function covers(m, d, before, after,    t, occ, k, y) {
  t = dn(2026, 12, 30)
  for (k = 0; k < 3; k++) {
    if (k == 1 && t + before <= dn(2026, 12, 31)) continue
    if (k == 2 && t - after >= dn(2026, 1, 1)) continue
    y = k == 0 ? 2026 : (k == 1 ? 2027 : 2025)
    occ = dn(y, m, d)
    if ((occ - t >= 0 && occ - t <= before) || (t - occ >= 0 && t - occ <= after)) return 1
  }
  return 0
}
BEGIN {
  split("31 28 31 30 31 30 31 31 30 31 30 31", mdays, " ")
  # Two known points, so that a broken formula shows at once: 30.12.2026 is
  # day 364 of its year, and 1.12.2026 a Tuesday.
  if (dn(2026, 12, 30) - dn(2026, 1, 1) != 363 || (dn(2026, 12, 1) + 1) % 7 + 1 != 2) {
    print "awk filter: day numbers are wrong" > "/dev/stderr"; exit 1
  }
}
FNR == 1 { kind = $0; sub(/\r$/, "", kind); next }
kind == "[fixed events]" { if ($6 == 1 && covers($2, $1, $4, $5)) print; next }
kind == "[float events]" { if ($8 == 1 && covers($4 == 0 ? 12 : $4, $1 == 0 ? nth($2, $3, $4) : 0, $6, $7)) print; next }
kind == "[fixed events with full date]" {
  split($1, p, /[._:]/)
  if ($4 == 1 && covers(p[2] + 0, p[3] + 0, $2, $3)) print
  next
}
'

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "rounds: $runs (alternating, medians in seconds); day: $now_text"
echo "gcal: window 27.12.2026 + 17 days (gcal's list stops at the year's end); remind: 2026-12-30"
echo "(gcal is given its file as ./events.gcal from the folder: a path with a digit run such as events_100000 makes it read nothing)"
echo
printf '%-9s %9s %9s %9s %9s %8s %8s %8s %9s %9s %6s\n' events orvenda gcal remind awk \
  /gcal /remind /awk rss_MB files_MB rss/f
for n in "${sizes[@]}"; do
  folder=$data/events_$n
  if [ ! -f "$folder/Orvenda.cfg" ]; then
    python3 "$here/make_event_folder.py" "$folder" "$n" >/dev/null
  fi
  if [ ! -f "$folder/peers/events.rem" ]; then
    python3 "$here/peer_files.py" "$folder"
  fi
  printf '%s' "$awk_filter" > "$folder/peers/filter.awk"
  files=("$folder"/*.evt)
  result=$(python3 "$here/alternate.py" "$runs" \
    "orvenda=$cli day --folder $folder --now '$now_text'" \
    "gcal=env -C $folder/peers gcal -f ./events.gcal -cdl17+ %20261227" \
    "remind=remind -q $folder/peers/events.rem 2026-12-30" \
    "awk=env LC_ALL=C awk -f $folder/peers/filter.awk ${files[*]}")
  t() { awk -v k="$1" '$1 == k { print $2 }' <<< "$result"; }
  # The peak resident set of one more run (wait4 in alternate.py would count
  # the Python process that starts each command).
  rss_kb=$(/usr/bin/time -f %M "$cli" day --folder "$folder" --now "$now_text" 2>&1 >/dev/null | tail -n 1)
  files_bytes=$(cat "${files[@]}" | wc -c)
  printf '%-9s %9.4f %9.4f %9.4f %9.4f %8s %8s %8s %9.1f %9.1f %6s\n' "$n" \
    "$(t orvenda)" "$(t gcal)" "$(t remind)" "$(t awk)" \
    "$(ratio "$(t orvenda)" "$(t gcal)")" "$(ratio "$(t orvenda)" "$(t remind)")" \
    "$(ratio "$(t orvenda)" "$(t awk)")" \
    "$(awk -v k="$rss_kb" 'BEGIN { print k / 1024 }')" "$(awk -v b="$files_bytes" 'BEGIN { print b / 1048576 }')" \
    "$(ratio "$((rss_kb * 1024))" "$files_bytes")"
done
echo
echo "/gcal, /remind, /awk: orvenda-cli day's median over the peer's, from the same rounds."
echo "rss_MB: orvenda-cli day's peak resident set; files_MB: the event files; rss/f: the two over each other."
