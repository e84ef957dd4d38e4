#!/usr/bin/env python3
"""Loads every top-level header of the system include directory that gcc accepts in C mode.

    python3 bench/system_headers/check_system_headers.py build/bin/qmkiface [--dir /usr/include]

For each DIR/*.h, `gcc -fsyntax-only -x c` is first asked whether a file holding only
`#include <NAME>` compiles (headers that need another header first, or that are C++ only, are
skipped: gcc refuses them too). Each accepted header is then loaded with `qmkiface declare`, with
the host compiler's macros (`gcc -dM -E -x c /dev/null`) as the definitions file and its include
directories as -I, exactly as tests/lit/declare/real_headers.test does for a few headers. Every
message is printed; the last line is the count:

    accepted by gcc: N   loaded without a message: M   with messages: K

The exit status is 1 when a header accepted by gcc gives a message. Not part of the test suite:
it takes a minute or two and depends on what the machine has installed.
"""
import argparse
import os
import subprocess
import sys
import tempfile


def host_include_dirs():
    out = subprocess.run(['gcc', '-xc', '-E', '-v', '/dev/null'], capture_output=True, text=True).stderr.splitlines()
    dirs, inside = [], False
    for line in out:
        if line.startswith('#include <...> search starts here'):
            inside = True
        elif line.startswith('End of search list'):
            inside = False
        elif inside:
            dirs.append(line.strip())
    return dirs


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('qmkiface')
    parser.add_argument('--dir', default='/usr/include')
    args = parser.parse_args()
    work = tempfile.mkdtemp(prefix='qmk_headers_')
    defs = os.path.join(work, 'host_defs.h')
    with open(defs, 'w') as f:
        f.write(subprocess.run(['gcc', '-dM', '-E', '-x', 'c', '/dev/null'], capture_output=True, text=True).stdout)
    includes = []
    for d in host_include_dirs():
        includes += ['-I', d]
    probe = os.path.join(work, 'probe.c')
    accepted = clean = 0
    failing = []
    for name in sorted(os.listdir(args.dir)):
        if not name.endswith('.h') or not os.path.isfile(os.path.join(args.dir, name)):
            continue
        with open(probe, 'w') as f:
            f.write('#include <%s>\n' % name)
        if subprocess.run(['gcc', '-fsyntax-only', '-x', 'c', probe], capture_output=True).returncode != 0:
            continue
        accepted += 1
        run = subprocess.run([args.qmkiface, 'declare', '--defs', defs] + includes + [os.path.join(args.dir, name)],
                             capture_output=True, text=True, errors='replace')
        if run.returncode == 0 and run.stderr == '':
            clean += 1
        else:
            failing.append(name)
            print('%s: status=%d' % (name, run.returncode))
            sys.stdout.write(run.stderr)
    print('accepted by gcc: %d   loaded without a message: %d   with messages: %d' % (accepted, clean, len(failing)))
    return 1 if failing else 0


if __name__ == '__main__':
    sys.exit(main())
