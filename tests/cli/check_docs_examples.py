#!/usr/bin/env python3
"""Runs the command examples of the user docs and compares what they print with what the docs show.

    check_docs_examples.py PATH/TO/glyphwright SOURCE_DIR

An example is a line of a fenced code block in README.md or docs/*.md that starts with
"$ glyphwright"; the command goes on over the next lines while a quote is open or a line ends
with a backslash, and the lines after it up to the next "$ " line or the end of the block are
its standard output, exactly. The command is split as a shell splits words (quotes, backslashes),
never run by a shell.
"""

import pathlib
import shlex
import subprocess
import sys

PROMPT = "$ "


def command_words(lines):
    """The words of the command that starts lines[0], and the number of lines it takes."""
    text = lines[0][len(PROMPT):]
    used = 1
    while True:
        if text.endswith("\\"):
            if used == len(lines):
                raise ValueError("a backslash ends the block")
            text = text[:-1] + lines[used]
            used += 1
            continue
        try:
            return shlex.split(text), used
        except ValueError:
            if used == len(lines):
                raise
            text += "\n" + lines[used]
            used += 1


def examples(path):
    """(line number, words, expected output) of every example of one Markdown file."""
    block = None
    start = 0
    for number, line in enumerate(path.read_text(encoding="utf-8").split("\n"), 1):
        if line.startswith("```"):
            if block is None:
                block, start = [], number + 1
            else:
                yield from block_examples(block, start)
                block = None
        elif block is not None:
            block.append(line)


def block_examples(lines, first_number):
    i = 0
    while i < len(lines):
        if not lines[i].startswith(PROMPT + "glyphwright"):
            i += 1
            continue
        words, used = command_words(lines[i:])
        output_start = i + used
        end = output_start
        while end < len(lines) and not lines[end].startswith(PROMPT):
            end += 1
        expected = "".join(line + "\n" for line in lines[output_start:end])
        yield first_number + i, words, expected
        i = end


def main():
    program, source = sys.argv[1], pathlib.Path(sys.argv[2])
    files = [source / "README.md"] + sorted((source / "docs").glob("*.md"))
    count = 0
    failures = 0
    for path in files:
        for number, words, expected in examples(path):
            count += 1
            where = f"{path.relative_to(source)}:{number}"
            run = subprocess.run([program] + words[1:], capture_output=True, check=False)
            actual = run.stdout.decode("utf-8", errors="replace")
            if actual != expected:
                failures += 1
                print(f"{where}: {shlex.join(words)}\n  shown:   {expected!r}\n"
                      f"  printed: {actual!r}\n  stderr:  {run.stderr.decode(errors='replace')!r}")
    print(f"{count} examples, {failures} not as shown")
    # No examples found means the reader is broken, not that the docs are right.
    return 1 if failures or count == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
