# Writes the bad inputs of robustness.test into the current directory.
import random

rng = random.Random(20261208)
open("garbage.pts", "wb").write(bytes(rng.randrange(256) for _ in range(200000)))
open("nul.pts", "wb").write(b"SCENARIO s\n  EXIT\x00 \x00\x00\nEND SCENARIO\n\x00")
open("long_line.pts", "w").write("SCENARIO s\n  PRINT x, " + "a" * 20000 + "\nEND SCENARIO\n")
open("long_comment.pts", "w").write("-- " + "c" * 20000 + "\n")
open("string.pts", "w").write('SCENARIO s\n  SET "ABC\nEND SCENARIO\n')
open("expression.pts", "w").write("SCENARIO s\n  IF (f(a, (b) THEN\n  EXIT\n  END IF\nEND SCENARIO\n")
open("unterminated_list.pts", "w").write("SCENARIO s\n  WAITTIL (MATCHING(a, b, WTIME > 5)\nEND SCENARIO\n")
open("lone_cr.pts", "wb").write(b"SCENARIO s\r\n  EXIT\r\rEND SCENARIO\r\n")
