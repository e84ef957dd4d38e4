"""Writes the inputs of cpp_value_checks_edges.test into the current folder: an array nested 22
deep (one counter more than the class declares by default), a struct of 1000 members as a
message type, and a range on a pointer."""

depth = 22
members = 1000

with open("edges.h", "w") as h:
    h.write("int nest" + "[2]" * depth + ";\n")
    h.write("typedef struct {\n")
    for i in range(members):
        h.write("  int m%d;\n" % i)
    h.write("} big_t;\n")
    h.write("void *handle;\n")

with open("deep.pts", "w") as s:
    s.write('HEADER "Edges", "1.0", "test"\nSCENARIO main\n  VAR nest, EV=0\nEND SCENARIO\n')

with open("big.pts", "w") as s:
    s.write('HEADER "Edges", "1.0", "test"\nDEF_TRIGGER big_t : huge\nSCENARIO main\n')
    s.write("  DEF_MESSAGE huge, INIT=(OTHERS => 1)\nEND SCENARIO\n")

with open("range.pts", "w") as s:
    s.write('HEADER "Edges", "1.0", "test"\nSCENARIO main\n  VAR handle, EV=0..1\nEND SCENARIO\n')
