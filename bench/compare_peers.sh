#!/usr/bin/env bash
# Times `orvenda-cli day` over generated folders of 100,000 and 1,000,000
# events and sets it beside a one-pass awk filter over the same event files,
# which picks the events whose notice window covers the day and prints them.
#
# The peer programs named in the issue (gcal, remind) are not run here; their
# figures are quoted from the issue as they were recorded there, together with
# the awk filter's figure on that machine, so that the awk filter measured
# here can carry the comparison over to this machine.
#
# Usage: bench/compare_peers.sh [ORVENDA_CLI] [DATA_FOLDER]
#   ORVENDA_CLI  the orvenda-cli of a Release build (default build-release/bin/orvenda-cli)
#   DATA_FOLDER  where the generated folders are kept (default build-release/bench-data)
# RUNS (default 15) sets how many timed runs each median is taken over.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
cli=${1:-$root/build-release/bin/orvenda-cli}
data=${2:-$root/build-release/bench-data}
runs=${RUNS:-15}
now_text="30.12.2026 10:00:00"
sizes=(100000 1000000)

# Quoted from the issue, in seconds (not measured here).
declare -A quoted=(
  [gcal:100000]=0.026 [gcal:1000000]=0.44
  [remind:100000]=0.12 [remind:1000000]=1.11
  [awk:100000]=0.055 [awk:1000000]=0.67
)

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

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Median wall time in seconds of a command given as one shell string.
time_median() {
  local cmd=$1
  if command -v hyperfine >/dev/null; then
    local json
    json=$(mktemp)
    hyperfine --style none --warmup 2 --runs "$runs" --export-json "$json" "$cmd" >/dev/null 2>&1
    python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][0]["median"])' "$json"
    rm -f "$json"
  else
    for _ in $(seq "$runs"); do
      /usr/bin/time -f "%e" bash -c "$cmd" 2>&1 >/dev/null | tail -n 1
    done | median
  fi
}

peak_kb() { /usr/bin/time -f "%M" bash -c "exec $1" 2>&1 >/dev/null | tail -n 1; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "machine: $(lscpu | sed -n 's/^Model name: *//p'), $(nproc) cores; runs per median: $runs"
echo "quoted figures (gcal, remind, awk on the issue's machine) come from the issue and were not measured here"
echo
printf '%-9s %10s %10s %9s %9s %11s %11s %13s\n' events orvenda_s awk_s rss_MB vs_awk vs_gcal_q vs_remind_q "norm_vs_gcal"
for n in "${sizes[@]}"; do
  folder=$data/events_$n
  if [ ! -f "$folder/Orvenda.cfg" ]; then
    python3 "$here/make_event_folder.py" "$folder" "$n"
  fi
  orvenda_cmd="'$cli' day --folder '$folder' --now '$now_text' > /dev/null"
  awk_cmd="LC_ALL=C awk '$awk_filter' '$folder'/*.evt > /dev/null"
  t_orvenda=$(time_median "$orvenda_cmd")
  t_awk=$(time_median "$awk_cmd")
  rss=$(peak_kb "'$cli' day --folder '$folder' --now '$now_text'")
  # norm_vs_gcal: our time over awk's here, against gcal's over awk's on the
  # issue's machine, so that the speed of the two machines cancels out.
  norm=$(awk -v o="$t_orvenda" -v a="$t_awk" -v g="${quoted[gcal:$n]}" -v aq="${quoted[awk:$n]}" \
    'BEGIN { printf "%.2f", (o / a) / (g / aq) }')
  printf '%-9s %10.4f %10.4f %9.1f %9s %11s %11s %13s\n' "$n" "$t_orvenda" "$t_awk" \
    "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')" "$(ratio "$t_orvenda" "$t_awk")" \
    "$(ratio "$t_orvenda" "${quoted[gcal:$n]}")" "$(ratio "$t_orvenda" "${quoted[remind:$n]}")" "$norm"
done
echo
echo "vs_awk: orvenda-cli day over the awk filter, both measured here (below 1 is faster than awk)."
echo "vs_gcal_q, vs_remind_q: orvenda-cli day measured here over the quoted peer figure."
echo "norm_vs_gcal: (orvenda / awk here) over (gcal / awk on the issue's machine)."
