# Writes DIR/f0.pts ... DIR/f<N-1>.pts, each including the next one.
import os
import sys

directory, count = sys.argv[1], int(sys.argv[2])
os.makedirs(directory, exist_ok=True)
for i in range(count):
    with open(os.path.join(directory, "f%d.pts" % i), "w") as out:
        out.write('INCLUDE "%s/f%d.pts"\n' % (directory, i + 1))
