# Writes big.h: arrays of 100,000 ints and macros that expand to 100,000-item values (a script
# line holds at most 15,000 characters, a macro of the headers any number):
#   BIG_LIST    every element by position
#   BIG_NAMED   every element by index, from the last down to the first
#   BIG_GAPS    every even index, then OTHERS for the 50,000 odd ones
import sys

n = 100000
with open(sys.argv[1], "w") as f:
    f.write("int big[%d];\n" % n)
    f.write("typedef struct { int count; int items[%d]; } bulk_t;\n" % n)
    f.write("#define BIG_LIST (" + ", ".join(str(i % 97) for i in range(n)) + ")\n")
    f.write("#define BIG_NAMED (" + ", ".join("%d => %d" % (n - 1 - i, i % 97) for i in range(n)) + ")\n")
    f.write("#define BIG_GAPS (" + ", ".join("%d => 1" % (2 * i) for i in range(n // 2)) + ", OTHERS => 0)\n")
