#!/usr/bin/env python3
"""Doubling test: the cost of hostile or large inputs grows linearly with their size.

    python3 bench/scaling/run_scaling.py build/bin/qmkiface [--rounds 2] [--max-ratio 2.6]

Each case generates its input at sizes n, 2n, 4n and 8n, runs qmkiface on it (best wall time of
--rounds runs, process start included, peak memory from the kernel) and prints the time and
memory of each size and the ratio of each time to the previous one. A case fails when a ratio
passes --max-ratio (about 2 for linear growth; the margin absorbs timer noise on a loaded
machine). Exit status 1 when a case fails. Not part of the test suite: it takes about a minute.

The cases are the inputs that were quadratic, exponential or crashed:
  nested-arguments   #define P(x) (x) and n nested P( ... ) (stops early with NBRECURSI)
  many-macros        n #defines, each used once
  enum-printing      `qmkiface declare` of a named and an unnamed enumeration of n enumerators each
  output-limit       n includes of a 1.2 MB header (the run stops at the 64 MB limit: flat)
  includes           n includes of a 100 KB header, under the limit (linear)
  deep-declarator    `int` followed by n '*' and a name
  long-enumerator    an enumerator value of n terms 1 + 1 + ... (refused past 10,000 levels)
  same-name-scopes   n namespaces that each declare and use the same names (as a script's
                     scenarios each declare qlx_msgrcv, their timers and parameters)
"""
import argparse
import os
import resource
import subprocess
import sys
import tempfile
import time


def write(path, text):
    with open(path, 'w') as f:
        f.write(text)


def nested_arguments(work, n):
    write(os.path.join(work, 'in.h'), '#define P(x) (x)\nint v = ' + 'P(' * n + '1' + ')' * n + ';\n')
    return ['preprocess', 'in.h']


def many_macros(work, n):
    defs = ''.join('#define MACRO_%d %d\n' % (i, i) for i in range(n))
    uses = ''.join('int v%d = MACRO_%d;\n' % (i, i) for i in range(0, n, 10))
    write(os.path.join(work, 'in.h'), defs + uses)
    return ['preprocess', 'in.h']


def enum_printing(work, n):
    named = 'enum big { ' + ', '.join('E%d' % i for i in range(n)) + ' };\n'
    unnamed = 'enum { ' + ', '.join('U%d' % i for i in range(n)) + ' };\n'
    write(os.path.join(work, 'in.h'), named + unnamed)
    return ['declare', 'in.h']


def output_limit(work, n):
    write(os.path.join(work, 'big.h'), 'extern int x;\n' * 90000)
    write(os.path.join(work, 'in.h'), '#include "big.h"\n' * n)
    return ['preprocess', 'in.h']


def includes(work, n):
    write(os.path.join(work, 'part.h'), 'extern int x;\n' * 7500)
    write(os.path.join(work, 'in.h'), '#include "part.h"\n' * n)
    return ['preprocess', 'in.h']


def deep_declarator(work, n):
    write(os.path.join(work, 'in.h'), 'int ' + '*' * n + 'p;\n')
    return ['declare', 'in.h']


def long_enumerator(work, n):
    write(os.path.join(work, 'in.h'), 'enum { A = ' + ' + '.join(['1'] * n) + ' };\nint after;\n')
    return ['declare', 'in.h']


def same_name_scopes(work, n):
    write(os.path.join(work, 'in.h'),
          ''.join('namespace N%d { int x; struct s { int y; }; int z = sizeof x + sizeof(struct s); }\n' % i
                  for i in range(n)))
    return ['declare', 'in.h']


CASES = [
    ('nested-arguments', nested_arguments, 25000),
    ('many-macros', many_macros, 50000),
    ('enum-printing', enum_printing, 50000),
    ('output-limit', output_limit, 600),
    ('includes', includes, 50),
    ('deep-declarator', deep_declarator, 50000),
    ('long-enumerator', long_enumerator, 100000),
    ('same-name-scopes', same_name_scopes, 5000),
]


def run_once(program, args, work):
    before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    start = time.perf_counter()
    subprocess.run([program] + args, cwd=work, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = time.perf_counter() - start
    # ru_maxrss of the children is the largest so far; report it as an upper bound.
    return elapsed, max(before, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('qmkiface')
    parser.add_argument('--rounds', type=int, default=2)
    parser.add_argument('--max-ratio', type=float, default=2.6)
    parser.add_argument('--case', action='append', help='run only these cases')
    args = parser.parse_args()
    program = os.path.abspath(args.qmkiface)
    failed = []
    for name, make, base in CASES:
        if args.case and name not in args.case:
            continue
        previous = None
        line = []
        for factor in (1, 2, 4, 8):
            n = base * factor
            with tempfile.TemporaryDirectory(prefix='qmk_scaling_') as work:
                command = make(work, n)
                best = min(run_once(program, command, work)[0] for _ in range(args.rounds))
            ratio = '' if previous is None else ' (x%.2f)' % (best / previous)
            if previous is not None and best / previous > args.max_ratio and best > 0.05:
                failed.append('%s at n=%d' % (name, n))
            line.append('n=%d %.3fs%s' % (n, best, ratio))
            previous = max(best, 1e-3)
        print('%-17s %s' % (name, '   '.join(line)), flush=True)
    peak = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    print('largest peak memory of any run: %d MB' % (peak // 1024))
    if failed:
        print('grew faster than x%.1f per doubling: %s' % (args.max_ratio, ', '.join(failed)))
        return 1
    print('every case grew at most x%.1f per doubling' % args.max_ratio)
    return 0


if __name__ == '__main__':
    sys.exit(main())
