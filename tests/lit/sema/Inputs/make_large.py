#!/usr/bin/env python3
# Writes the large scripts of the depth test into DIR: scenarios nested DEPTH deep, SIBLINGS
# sibling scenarios, and PROCS procedures each called from a block.
import os
import sys

directory, depth, siblings, procs = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])

with open(os.path.join(directory, "deep.pts"), "w") as out:
    for n in range(depth):
        out.write("SCENARIO d%d\n" % n)
    out.write("  # int innermost;\n  EXIT\n")
    for n in range(depth):
        out.write("END SCENARIO\n")

with open(os.path.join(directory, "wide.pts"), "w") as out:
    for n in range(siblings):
        out.write("SCENARIO w%d %d FAMILY f\n  EXIT\nEND SCENARIO\n" % (n, n))

with open(os.path.join(directory, "procs.pts"), "w") as out:
    for n in range(procs):
        out.write("PROC p%d (int a, long b)\n  # int local%d;\nEND PROC\n" % (n, n))
    out.write("SCENARIO s\n")
    for n in range(procs):
        out.write("  SCENARIO c%d\n    INITIALIZATION CALL p%d (%d, 2)\n    SCENARIO leaf\n    END SCENARIO\n  END SCENARIO\n" % (n, n, n))
    out.write("END SCENARIO\n")
