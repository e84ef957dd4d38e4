#!/usr/bin/env python3
"""Declaration analyser benchmark: loads stdio.h, stdlib.h, string.h, zlib.h and sqlite3.h in
one `qmkiface declare` run (preprocessing and declaration analysis, as the compiler loads its
interface files), with the host compiler's macros and include directories, and prints the best
wall time over N rounds.

Usage: run_bench.py QMKIFACE [--rounds N] [--limit-ms MS]
With --limit-ms, the exit status is 1 when the best time is above MS milliseconds."""
import argparse
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', 'tests', 'lit', 'preprocess', 'Inputs'))
import host_compiler  # noqa: E402

HEADERS = ['stdio.h', 'stdlib.h', 'string.h', 'zlib.h', 'sqlite3.h']


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('qmkiface')
    parser.add_argument('--rounds', type=int, default=20)
    parser.add_argument('--limit-ms', type=float)
    args = parser.parse_args()
    dirs = host_compiler.include_dirs()
    incl = [a for d in dirs for a in ('-I', d)]
    work = tempfile.mkdtemp(prefix='qmk_bench_declare_')
    defs = os.path.join(work, 'host_defs.h')
    host_compiler.write_definitions(defs)
    command = [args.qmkiface, 'declare', '--defs', defs] + incl + HEADERS
    check = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)
    symbols = check.stdout.count(b'\n')
    best = float('inf')
    for _ in range(args.rounds):
        # Best of the rounds: the machine is shared, the minimum is the least noisy.
        start = time.perf_counter()
        subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        best = min(best, time.perf_counter() - start)
    print('headers: %s' % ' '.join(HEADERS))
    print('status: %d, messages: %d, symbols: %d' % (check.returncode, check.stderr.count(b'\n'), symbols))
    print('qmkiface declare, best of %d: %.1f ms' % (args.rounds, best * 1000))
    if args.limit_ms is not None and best * 1000 > args.limit_ms:
        print('above the limit of %.1f ms' % args.limit_ms)
        return 1
    return 0


sys.exit(main())
