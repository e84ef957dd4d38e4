#!/usr/bin/env python3
# Writes a large script for the parser benchmark: DIR/bench.pts with SCENARIOS scenarios of mixed
# statements (about 20 lines each) and a few included files.
import os
import sys

directory = sys.argv[1] if len(sys.argv) > 1 else "bench-out"
scenarios = int(sys.argv[2]) if len(sys.argv) > 2 else 10000
os.makedirs(directory, exist_ok=True)

header = """HEADER "Parser benchmark", "1.0", $USER
COMMTYPE link IS int WITH MULTIPLEXING
CHANNEL link : ctrl_ch, data_ch
DEF_TRIGGER request_t : req_a, req_b
DECLARE_INSTANCE left, right
PROC step (int n, unsigned long mask)
  PRINT "n", n
END PROC
"""

body = """SCENARIO s{n} {n} FAMILY smoke, nightly
  # int local_{n};
  COMMENT scenario {n} checks the request path
  CALL step ({n}, 0x{n:x}) @ 0, status
  VAR counter, INIT=(a => {n}, b => (1, 2, 3), OTHERS => 0)
  DEF_MESSAGE req_a, INIT=(id => {n}, OTHERS => 0)
  SEND req_a ON ctrl_ch
  WAITTIL (MATCHING(req_a, ctrl_ch) && counter > {n}, WTIME >= 500)
  IF (counter != {n}) THEN
    PRINT "counter", counter
    ERROR
  ELSE
    PAUSE 10
  END IF
  WHILE (i < {n})
    @ i++;
  END WHILE
%A  TIMER t{n}
  INSTANCE left
    RENDEZVOUS r{n}
  END INSTANCE
END SCENARIO
"""

includes = 5
for k in range(includes):
    with open(os.path.join(directory, "part%d.pts" % k), "w") as out:
        for n in range(k * 10, k * 10 + 10):
            out.write(body.format(n=1000000 + n))

with open(os.path.join(directory, "bench.pts"), "w") as out:
    out.write(header)
    for n in range(scenarios):
        if n % (scenarios // includes) == 0:
            out.write('INCLUDE "part%d.pts"\n' % (n // (scenarios // includes)))
        out.write(body.format(n=n + 1))
