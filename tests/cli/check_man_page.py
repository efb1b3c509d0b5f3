#!/usr/bin/env python3
"""The manual page says what the program says, characters beyond ASCII included.

    check_man_page.py PATH/TO/glyphwright PATH/TO/glyphwright.1.gz

Every line of the general help and of each command's help that holds a character beyond ASCII
must stand in the page as the program prints it: a page written in the wrong encoding shows such
characters as "?" and fails here.
"""

import gzip
import subprocess
import sys

COMMANDS = ["format", "script", "run", "check", "queries"]


def help_texts(program):
    yield subprocess.run([program, "--help"], capture_output=True, check=True, text=True).stdout
    for command in COMMANDS:
        yield subprocess.run([program, "help", command], capture_output=True, check=True,
                             text=True).stdout


def main():
    program, page_path = sys.argv[1], sys.argv[2]
    page = gzip.open(page_path).read().decode("utf-8")
    lines = [line.strip() for text in help_texts(program) for line in text.splitlines()
             if not line.isascii()]
    missing = [line for line in lines if line not in page]
    for line in missing:
        print(f"not in the page: {line!r}")
    print(f"{len(lines)} lines beyond ASCII, {len(missing)} missing from the page")
    # The help has such lines (H₂SO₄); none found means this check reads nothing.
    return 1 if missing or not lines else 0


if __name__ == "__main__":
    sys.exit(main())
