"""python3 -m glyphwright: the glyphwright command, run by this interpreter."""
import os
import sys

import glyphwright


def main():
    # The command writes to the process's own standard output, after anything Python buffered.
    sys.stdout.flush()
    sys.stderr.flush()
    return glyphwright._run_cli([os.fsencode(arg) for arg in sys.argv[1:]])


if __name__ == "__main__":
    sys.exit(main())
