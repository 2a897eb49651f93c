#!/usr/bin/env python3
"""Times several commands in alternating runs and prints their medians.

    alternate.py RUNS NAME=COMMAND [NAME=COMMAND ...]

Each round runs every command once, the order turned by one place each
round, so that a change of the machine's load (other builds on a shared
machine) falls on all of them alike. Two warm-up rounds are not counted.
Output is to /dev/null. For each command one line:

    NAME median_seconds min_seconds max_seconds median_cpu_seconds

The processor time is user and system time together, which the load of other
programs changes far less than the time on the clock (but two threads add
up theirs).
A COMMAND is split as a shell would split it (shlex), without a shell.
"""

import os
import shlex
import statistics
import subprocess
import sys
import time


def run_once(argv):
    start = time.perf_counter()
    process = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        sys.exit(f"{shlex.join(argv)} exited with {process.returncode}")
    return elapsed, usage.ru_utime + usage.ru_stime


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    runs = int(argv[1])
    commands = []
    for named in argv[2:]:
        name, _, command = named.partition("=")
        commands.append((name, shlex.split(command)))
    times = {name: [] for name, _ in commands}
    cpu = {name: [] for name, _ in commands}
    for round_number in range(runs + 2):
        shift = round_number % len(commands)
        for name, command in commands[shift:] + commands[:shift]:
            elapsed, processor = run_once(command)
            if round_number >= 2:
                times[name].append(elapsed)
                cpu[name].append(processor)
    for name, _ in commands:
        t = times[name]
        print(f"{name} {statistics.median(t):.4f} {min(t):.4f} {max(t):.4f} {statistics.median(cpu[name]):.4f}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
