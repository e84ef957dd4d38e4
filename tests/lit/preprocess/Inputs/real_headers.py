#!/usr/bin/env python3
"""Preprocesses real headers with qmkiface and with `gcc -E -P` (same macros, same search
path) and compares the token streams. Usage: real_headers.py QMKIFACE WORKDIR HEADER..."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
import compare_tokens  # noqa: E402
import host_compiler  # noqa: E402


def main():
    qmkiface, work, headers = sys.argv[1], sys.argv[2], sys.argv[3:]
    os.makedirs(work, exist_ok=True)
    defs = os.path.join(work, 'host_defs.h')
    host_compiler.write_definitions(defs)
    dirs = host_compiler.include_dirs()
    incl = [a for d in dirs for a in ('-I', d)]
    failed = 0
    for h in headers:
        src = os.path.join(work, 'use_' + h.replace('/', '_') + '.c')
        with open(src, 'w') as f:
            f.write('#include <%s>\n' % h)
        theirs = subprocess.run(['gcc', '-E', '-P', '-nostdinc'] + incl + [src], capture_output=True, text=True)
        # Our side: the header's full path, as an interface file is given to the compiler.
        path = next((os.path.join(d, h) for d in dirs if os.path.exists(os.path.join(d, h))), h)
        ours = subprocess.run([qmkiface, 'preprocess', '--defs', defs] + incl + [path], capture_output=True, text=True)
        if ours.returncode not in (0, 3) or theirs.returncode != 0:
            print('%s: status ours %d theirs %d\n%s' % (h, ours.returncode, theirs.returncode, ours.stderr[:2000]))
            failed += 1
            continue
        a = compare_tokens.strip_attributes(compare_tokens.tokens_of(ours.stdout))
        b = compare_tokens.strip_attributes(compare_tokens.tokens_of(theirs.stdout))
        diff = compare_tokens.difference(a, b)
        if diff:
            print('%s: %s' % (h, diff))
            failed += 1
        else:
            print('%s: same %d tokens' % (h, len(a)))
    return 1 if failed else 0


sys.exit(main())
