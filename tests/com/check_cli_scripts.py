#!/usr/bin/env python3
"""Checks that every script of vbscript/cli_scripts.tsv is what the command line prints for its
query, setting and text: the Wine tests compare Quillet.dll with that file, so both hosts answer
alike.

Usage: check_cli_scripts.py GLYPHWRIGHT_CLI CLI_SCRIPTS_TSV
"""
import subprocess
import sys


def unescape(field):
    return field.replace("\\n", "\n").replace("\\t", "\t").replace("\\r", "\r")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    cli, table = sys.argv[1], sys.argv[2]
    failures = rows = 0
    with open(table, encoding="utf-8") as source:
        for number, line in enumerate(source, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 5:
                sys.exit(f"{table}:{number}: expected 5 TAB-separated fields, found {len(fields)}")
            _, query, setting, text, script = fields
            rows += 1
            arguments = [cli, "script", query]
            if setting != "-":
                arguments += ["--set", setting]
            arguments += ["--", unescape(text)]
            result = subprocess.run(arguments, capture_output=True, encoding="utf-8", check=False)
            if result.returncode != 0 or result.stdout != unescape(script):
                failures += 1
                print(f"{table}:{number}: glyphwright script {query} exited {result.returncode}:")
                print(f"  got      {result.stdout!r} {result.stderr.strip()}")
                print(f"  expected {unescape(script)!r}")
    if rows == 0:
        sys.exit(f"{table}: no rows")
    print(f"{rows} scripts, {failures} differ from the command line's")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
