#!/usr/bin/env python3
"""Check-list benchmark: builds the check list of "EV=qlx_msgrcv" for a 1,000-element array of
a 20-member struct that contains a union, with `qmkiface checks`, and prints the time of the
check-list building alone: the best time of `qmkiface checks` minus the best time of
`qmkiface class` over the same header and name (same start, header loading and typing of the
name), over N interleaved rounds.

Usage: run_bench.py QMKIFACE [--rounds N] [--limit MS]
With --limit, the exit status is 1 when the figure is above MS milliseconds."""
import argparse
import os
import subprocess
import sys
import tempfile
import time

HEADER = """typedef unsigned char byte;
struct point { int x; int y; };
union payload { int i; double d; char text[16]; struct point at; };
typedef struct {
  int code; byte flags; short length; long sequence; unsigned long stamp;
  char name[12]; double ratio; float level; int counters[4]; struct point origin;
  union payload data; char *comment; int state; unsigned mask; long long total;
  byte tail[3]; struct point corners[2]; int spare1; int spare2; double spare3;
} message_t;
message_t qlx_msgrcv[1000];
"""


def best(command, rounds):
    times = []
    for _ in range(rounds):
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        times.append(time.perf_counter() - start)
    return min(times)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('qmkiface')
    parser.add_argument('--rounds', type=int, default=20)
    parser.add_argument('--limit', type=float)
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix='qmk_checks_bench_')
    header = os.path.join(work, 'message.h')
    with open(header, 'w') as out:
        out.write(HEADER)
    env = dict(os.environ, LANG='C')
    os.environ.update(env)
    baseline = [args.qmkiface, 'class', '-e', 'qlx_msgrcv', header]
    without = best(baseline, args.rounds)
    # The goal's case, and a heavier one: every element given on its own (1,000 list items, each
    # typed and walked, tens of thousands of nodes).
    each = 'EV=(' + ', '.join(f'qlx_msgrcv[{i}]' for i in range(1000)) + ')'
    figures = []
    for label, value in (('EV=qlx_msgrcv', 'EV=qlx_msgrcv'), ('one item per element', each)):
        checks = [args.qmkiface, 'checks', '-n', 'qlx_msgrcv', '-v', value, header]
        listing = subprocess.run(checks, capture_output=True, text=True, check=True).stdout
        nodes = len(listing.splitlines()) - 1
        with_checks = best(checks, args.rounds)
        spent = max(0.0, with_checks - without) * 1000
        figures.append(spent)
        print(f'{label}: {nodes} check nodes, {spent:.2f} ms for the check list '
              f'(qmkiface checks {with_checks * 1000:.2f} ms, qmkiface class {without * 1000:.2f} ms)')
    figure = figures[0]
    print(f'building the check list of EV=qlx_msgrcv: {figure:.2f} ms (goal: under 50 ms)')
    if args.limit is not None and figure > args.limit:
        sys.exit(1)


if __name__ == '__main__':
    main()
