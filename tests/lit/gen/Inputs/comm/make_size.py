# Writes big.h and big.pts into <folder>: a message type of <members> int fields with <values>
# message values, all awaited by one WAITTIL on a channel that has <connections> connections.
#   make_size.py <folder> <members> <values> <connections>
import sys
out = sys.argv[1]
members, values, connections = int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
with open(out + "/big.h", "w") as h:
    h.write("typedef struct {\n" + "".join("  int f%d;\n" % i for i in range(members)) + "} big_t;\n")
    h.write("extern int conns[%d];\nint read_big(big_t *big, int conn);\n" % connections)
    h.write("#ifdef USE_QMK\nint conns[%d];\nint read_big(big_t *big, int conn) { big->f0 = qlx_pollevt(conn); return big->f0; }\n#endif\n" % connections)
with open(out + "/big.pts", "w") as s:
    s.write('HEADER "Size", "1.0", "t"\nCOMMTYPE link IS int\nCHANNEL link : ch\n')
    s.write("DEF_TRIGGER big_t : " + ", ".join("v%d" % i for i in range(values)) + "\n")
    s.write("CALLBACK big_t ON link\n  @ if (!read_big(&qlx_msg, qlx_ids)) {\n  NO_MESSAGE\n  @ }\n  MESSAGE_DATE\nEND CALLBACK\n")
    s.write("SCENARIO main\n")
    s.write("".join("  ADD_ID (ch, conns[%d])\n" % i for i in range(connections)))
    s.write("".join("  @ qlx_msg_big_t[%d].qlx_defNumber = 1;\n" % i for i in range(values)))
    s.write("  WAITTIL (" + " && ".join("MATCHED(v%d, ch)" % i for i in range(values)) + ", WTIME >= 20)\n")
    s.write("END SCENARIO\n")
