#!/usr/bin/env python3
"""The annotated examples of docs/outputs.md against a real run of the bundled example.

    output_examples.py extract DOC KIND        prints the ```KIND blocks of DOC, in order, joined
    output_examples.py normalise KIND FILE     prints FILE (a TDC file or TSF template of the
                                               example) as the document shows it: the program
                                               as "build/bin/qmkprepro", the example's folder as
                                               /home/me/qmkprepro/examples and the TSF check value
                                               that this folder gives.
"""
import re
import sys

DOC_FOLDER = "/home/me/qmkprepro/examples"


def checksum(text):
    return sum(b - 32 for b in text.encode())


def extract(doc, kind):
    lines = []
    inside = False
    for line in open(doc, encoding="utf-8"):
        if line.rstrip("\n") == "```" + kind:
            inside = True
        elif inside and line.rstrip("\n") == "```":
            inside = False
        elif inside:
            lines.append(line)
    sys.stdout.write("".join(lines))


def tsf_folder(folder):
    text = folder.replace("\\", "\\\\").replace('"', '\\"')
    text = text.replace("\\", "\\\\").replace('"', '\\"')
    return text.replace("/", "\\\\")


def normalise(kind, name):
    text = open(name, encoding="utf-8").read()
    if kind == "tdc":
        text = re.sub(r'^G0 "[^ ]*qmkprepro ', 'G0 "build/bin/qmkprepro ', text, flags=re.M)
        text = re.sub(r'^(CF\d+ "example.pts", "examples/", )"[^"]*"', r'\1"%s"' % DOC_FOLDER, text, flags=re.M)
        sys.stdout.write(text)
        return
    # The folder the example was read from: the SO line's, unescaped.
    so = re.search(r'^SO "(.*)\\\\example.pts" 0000 "txt"$', text, flags=re.M).group(1)
    folder = so.replace("\\\\", "/").replace('\\\\\\"', '"')
    text = text.replace(so, tsf_folder(DOC_FOLDER))
    # The file's check value holds the sum over its folder; the head's "ID 1 1" does not.
    head, section = text.split("ED\n", 1)
    def check_value(match):
        return "ID %s %d" % (match.group(1), int(match.group(2)) - checksum(folder) + checksum(DOC_FOLDER))
    section = re.sub(r"^ID (\d+) (\d+)$", check_value, section, count=1, flags=re.M)
    sys.stdout.write(head + "ED\n" + section)


if __name__ == "__main__":
    if sys.argv[1] == "extract":
        extract(sys.argv[2], sys.argv[3])
    else:
        normalise(sys.argv[2], sys.argv[3])
