#!/usr/bin/env python3
"""Writes the events of a generated program folder for the benchmark peers.

    peer_files.py FOLDER

Reads FOLDER/*.evt (as make_event_folder.py writes them) and writes
FOLDER/peers/events.gcal, a resource file for gcal, and
FOLDER/peers/events.rem, a reminder file for remind, with one yearly entry
per event, so that both peers answer a query over the same events:

- fixed and full-date events: gcal "0000MMDD text", remind "REM Mon D +B MSG text"
  (B, the days before, is remind's advance notice);
- floating events: the n-th (or last) weekday of the month, gcal "0000MMWWWN"
  (N = 9 for the last), remind "REM Wkd D Mon +B" (the first such weekday on
  or after day D); month 0 (the current month) is taken as December, and an
  astronomical entry, for which no day is computed, as the month's first day.

The texts are copied byte for byte (Windows-1251); "%" is doubled for remind,
where it starts a substitution.
"""

import glob
import os
import sys

MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
WEEKDAYS = ["mon", "tue", "wed", "thu", "fri", "sat", "sun"]
REMIND_WEEKDAYS = ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]
# First day of the n-th weekday of a month; the last one starts from day 25
# (from 22 in February, which may have 28 days).
NTH_FIRST_DAY = {1: 1, 2: 8, 3: 15, 4: 22}


def records(path):
    with open(path, "rb") as f:
        lines = f.read().split(b"\n")
    header = lines[0].rstrip(b"\r")
    for line in lines[1:]:
        line = line.rstrip(b"\r")
        if line.strip():
            yield header, line


def entries(folder):
    """(month, day or None, weekday index, week, days before, text) for every event."""
    for path in sorted(glob.glob(os.path.join(folder, "*.evt"))):
        for header, line in records(path):
            if header == b"[fixed events]":
                f = line.split(None, 6)
                yield int(f[1]), int(f[0]), None, None, int(f[3]), f[6] if len(f) > 6 else b""
            elif header == b"[float events]":
                f = line.split(None, 8)
                astro, weekday, week, month = (int(x) for x in f[:4])
                month = month or 12
                text = f[8] if len(f) > 8 else b""
                if astro != 0:
                    yield month, 1, None, None, int(f[5]), text
                else:
                    yield month, None, weekday - 1, week, int(f[5]), text
            elif header == b"[fixed events with full date]":
                f = line.split(None, 4)
                date = f[0].split(b"_")[0].split(b".")
                yield int(date[1]), int(date[2]), None, None, int(f[1]), f[4] if len(f) > 4 else b""


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    folder = argv[1]
    out = os.path.join(folder, "peers")
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "events.gcal"), "wb") as gcal, open(os.path.join(out, "events.rem"), "wb") as rem:
        for month, day, weekday, week, before, text in entries(folder):
            if day is not None:
                gcal.write(b"0000%02d%02d %s\n" % (month, day, text))
                when = b"%s %d" % (MONTHS[month - 1].encode(), day)
            else:
                gcal.write(b"0000%02d%s%d %s\n" % (month, WEEKDAYS[weekday].encode(), 9 if week >= 5 else week, text))
                first = NTH_FIRST_DAY.get(week, 22 if month == 2 else 25)
                when = b"%s %d %s" % (REMIND_WEEKDAYS[weekday].encode(), first, MONTHS[month - 1].encode())
            rem.write(b"REM %s +%d MSG %s\n" % (when, before, text.replace(b"%", b"%%")))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
