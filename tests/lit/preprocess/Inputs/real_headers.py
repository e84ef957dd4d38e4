#!/usr/bin/env python3
"""Preprocesses real headers with qmkiface and with `gcc -E -P` (same macros, same search
path) and compares the token streams. Usage:
    real_headers.py [--strip-attributes] QMKIFACE WORKDIR HEADER...
--strip-attributes removes `__attribute__ ((...))` groups before comparing, for headers that
choose attributes with gcc's `__has_attribute` (see compare_tokens.py)."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(__file__))
import compare_tokens  # noqa: E402
import host_compiler  # noqa: E402


def main():
    args = sys.argv[1:]
    strip = '--strip-attributes' in args
    args = [a for a in args if a != '--strip-attributes']
    qmkiface, work, headers = args[0], args[1], args[2:]
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
        a = compare_tokens.tokens_of(ours.stdout)
        b = compare_tokens.tokens_of(theirs.stdout)
        if strip:
            a, b = compare_tokens.strip_attributes(a), compare_tokens.strip_attributes(b)
        diff = compare_tokens.difference(a, b)
        if diff:
            print('%s: %s' % (h, diff))
            failed += 1
        else:
            print('%s: same %d tokens' % (h, len(a)))
    return 1 if failed else 0


sys.exit(main())
