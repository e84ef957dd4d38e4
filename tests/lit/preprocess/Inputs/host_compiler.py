"""The host compiler's view, shared by the real-header test and the benchmark: its
predefined macros (`gcc -dM -E -x c /dev/null`) and its include directories in order."""
import subprocess


def include_dirs(compiler='gcc'):
    text = subprocess.run([compiler, '-xc', '-E', '-v', '/dev/null'], capture_output=True, text=True).stderr
    dirs, inside = [], False
    for line in text.splitlines():
        if line.startswith('#include <...> search starts here:'):
            inside = True
        elif line.startswith('End of search list.'):
            break
        elif inside:
            dirs.append(line.strip())
    return dirs


def write_definitions(path, compiler='gcc'):
    defs = subprocess.run([compiler, '-dM', '-E', '-x', 'c', '/dev/null'], capture_output=True, text=True,
                          check=True).stdout
    with open(path, 'w') as f:
        f.write(defs)
