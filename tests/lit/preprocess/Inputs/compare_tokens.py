#!/usr/bin/env python3
"""Compares the token streams of two preprocessor outputs, ignoring white space and line
markers. Usage: compare_tokens.py [--strip-attributes] OURS THEIRS.

`#line` and `# N "file"` lines are dropped. With --strip-attributes, `__attribute__ ((...))`
groups are removed from both sides: the host compiler evaluates its own `__has_attribute` /
`__has_include` operators in conditions, which this preprocessor does not have, and some
headers choose attributes with them (docs/interfaces.md)."""
import re
import sys

TOKEN = re.compile(r'''
    [A-Za-z_$][A-Za-z0-9_$]*(?:'(?:\\.|[^'\\\n])*'|"(?:\\.|[^"\\\n])*")?
  | \.?[0-9](?:[eEpP][+-]|[A-Za-z0-9_.])*
  | '(?:\\.|[^'\\\n])*'
  | "(?:\\.|[^"\\\n])*"
  | <<=|>>=|\.\.\.|->\*|->|\+\+|--|<<|>>|<=|>=|==|!=|&&|\|\||[-+*/%&|^=!]=|\#\#|::|\.\*
  | \S
''', re.VERBOSE)


def tokens_of(text):
    out = []
    for line in text.splitlines():
        s = line.strip()
        if s.startswith('#line') or re.match(r'#\s*\d', s):
            continue
        out.extend(TOKEN.findall(line))
    return out


def strip_attributes(toks):
    res = []
    i = 0
    while i < len(toks):
        if toks[i] in ('__attribute__', '__attribute') and i + 1 < len(toks) and toks[i + 1] == '(':
            depth = 0
            j = i + 1
            while j < len(toks):
                if toks[j] == '(':
                    depth += 1
                elif toks[j] == ')':
                    depth -= 1
                    if depth == 0:
                        break
                j += 1
            i = j + 1
            continue
        res.append(toks[i])
        i += 1
    return res


def difference(ours, theirs):
    """None when equal, else a text that shows the first difference."""
    for k, (a, b) in enumerate(zip(ours, theirs)):
        if a != b:
            lo = max(0, k - 12)
            return 'first difference at token %d:\n  ours:   %s\n  theirs: %s' % (
                k, ' '.join(ours[lo:k + 12]), ' '.join(theirs[lo:k + 12]))
    if len(ours) != len(theirs):
        return 'lengths differ: ours %d, theirs %d' % (len(ours), len(theirs))
    return None


def main():
    args = sys.argv[1:]
    strip = '--strip-attributes' in args
    args = [a for a in args if a != '--strip-attributes']
    with open(args[0], encoding='latin-1') as f:
        ours = tokens_of(f.read())
    with open(args[1], encoding='latin-1') as f:
        theirs = tokens_of(f.read())
    if strip:
        ours, theirs = strip_attributes(ours), strip_attributes(theirs)
    diff = difference(ours, theirs)
    print(diff or 'same %d tokens' % len(ours))
    return 1 if diff else 0


if __name__ == '__main__':
    sys.exit(main())
