# Creates a working directory whose path is longer than 4000 characters, writes a one-scenario
# script there and runs the given program on it; prints what the program printed and its status.
import os
import subprocess
import sys

base, program = sys.argv[1], sys.argv[2:]
os.makedirs(base, exist_ok=True)
os.chdir(base)
while len(os.getcwd()) <= 4100:
    os.makedirs("d" * 200, exist_ok=True)
    os.chdir("d" * 200)
with open("deep.pts", "w") as out:
    out.write("SCENARIO s\nEND SCENARIO\n")
run = subprocess.run(program + ["--quiet", "deep.pts"], stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
sys.stdout.write(run.stdout.decode())
print("status %d" % run.returncode)
