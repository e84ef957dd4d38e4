#!/usr/bin/env python3
"""Preprocessor benchmark: preprocesses a fixed set of real headers with
`qmkiface preprocess` and with `gcc -E` in the same run (the same macros and search path,
one process per header on both sides) and prints the ratio of the times, ours / gcc's.

Usage: run_bench.py QMKIFACE [--rounds N] [--limit R]
With --limit, the exit status is 1 when the ratio is above R."""
import argparse
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', 'tests', 'lit', 'preprocess', 'Inputs'))
import host_compiler  # noqa: E402

HEADERS = ['stdio.h', 'stdlib.h', 'string.h', 'math.h', 'pthread.h', 'zlib.h', 'sqlite3.h', 'expat.h',
           'signal.h', 'unistd.h', 'sys/socket.h', 'netinet/in.h', 'wchar.h', 'time.h']


def timed(commands):
    start = time.perf_counter()
    for c in commands:
        subprocess.run(c, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
    return time.perf_counter() - start


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('qmkiface')
    parser.add_argument('--rounds', type=int, default=5)
    parser.add_argument('--limit', type=float)
    args = parser.parse_args()
    dirs = host_compiler.include_dirs()
    incl = [a for d in dirs for a in ('-I', d)]
    work = tempfile.mkdtemp(prefix='qmk_bench_')
    defs = os.path.join(work, 'host_defs.h')
    host_compiler.write_definitions(defs)
    headers = [next(os.path.join(d, h) for d in dirs if os.path.exists(os.path.join(d, h))) for h in HEADERS
               if any(os.path.exists(os.path.join(d, h)) for d in dirs)]
    ours = [[args.qmkiface, 'preprocess', '--defs', defs] + incl + [h] for h in headers]
    theirs = [['gcc', '-E', '-nostdinc'] + incl + [h] for h in headers]
    best_ours = best_theirs = float('inf')
    for _ in range(args.rounds):
        # Interleaved rounds, best of each: the machine is shared, the minimum is the least noisy.
        best_ours = min(best_ours, timed(ours))
        best_theirs = min(best_theirs, timed(theirs))
    ratio = best_ours / best_theirs
    print('headers: %d, rounds: %d' % (len(headers), args.rounds))
    print('qmkiface preprocess: %.3f s' % best_ours)
    print('gcc -E:              %.3f s' % best_theirs)
    print('ratio (ours / gcc):  %.2f' % ratio)
    if args.limit is not None and ratio > args.limit:
        print('ratio above the limit %.2f' % args.limit)
        return 1
    return 0


sys.exit(main())
