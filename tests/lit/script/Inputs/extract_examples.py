# Writes every ```pts block of a Markdown file to OUT/example_<n>.pts and prints their names.
import os
import sys

source, out = sys.argv[1], sys.argv[2]
os.makedirs(out, exist_ok=True)
blocks, current = [], None
for line in open(source, encoding="utf-8"):
    if current is None and line.strip() == "```pts":
        current = []
    elif current is not None and line.strip() == "```":
        blocks.append("".join(current))
        current = None
    elif current is not None:
        current.append(line)
for n, text in enumerate(blocks, 1):
    name = os.path.join(out, "example_%d.pts" % n)
    with open(name, "w", encoding="utf-8") as f:
        f.write(text)
    print(name)
