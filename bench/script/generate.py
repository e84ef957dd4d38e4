#!/usr/bin/env python3
# Writes a large script for the front-end and analysis benchmark: DIR/bench.pts with SCENARIOS scenarios of mixed
# statements (about 45 lines each, every statement kind) and a few included files.
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
CALLBACK request_t ON link
  IF (status == 0) THEN
    NO_MESSAGE
  ELSE
    MESSAGE_DATE
  END IF
END CALLBACK
PROCSEND request_t ON link
  @ status = 1;
END PROCSEND
PROC step (int n, unsigned long mask)
  PRINT "n", n
END PROC
PROC on_fault (fault_t f)
  PRINT "fault", f.code
END PROC
PROC cleanup
  PAUSE 1
END PROC
"""

# Every statement kind, as a script that analyses without a message (run with -TRACE=CIRCULAR).
body = """SCENARIO s{n} {n} FAMILY smoke, nightly
  # int local_{n};
  COMMENT scenario {n} checks the request path
  CATCH (fault_t) WITH on_fault
  ENABLE_CLEANUP cleanup
  CALL step ({n}, 0x{n:x})
  CALL compute ({n}) @ 0, status
  VAR counter, INIT=(a => {n}, b => (1, 2, 3), OTHERS => 0)
  VAR counter, EV=(id => 0 .. {n}, b => (0 => 1, OTHERS => 2), OTHERS => 0)
  VAR status, FORMAT=int#H16
  DEF_MESSAGE req_a, INIT=(id => {n}, OTHERS => 0)
  ADD_ID (ctrl_ch, conn)
  SEND req_a ON ctrl_ch
  WAITTIL (MATCHING(req_a, ctrl_ch) && status > {n}, WTIME >= 500)
  CLEAR_ID (ctrl_ch)
  IF (status != {n}) THEN
    PRINT "status", status
    ERROR
  ELSE
    PAUSE 10
  END IF
  CASE (status)
  WHEN 0
    PRINT "zero", status
  WHEN 1, 2
    PAUSE 1
  WHEN OTHERS
    @ status = 0;
  END CASE
  WHILE (i < {n})
    @ i++;
  END WHILE
%A  TIMER t{n}
%A  RESET t{n}
  SET "B"
  UNSET "B"
  TRACE_ON
  TRACE_OFF
  FLUSH_TRACE
  INTERSEND (status, "right")
  INTERRECV (inbox, sizeof inbox)
  DISABLE_CLEANUP cleanup
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
