#!/usr/bin/env python3
"""Writes the C++ element list from data/elements.tsv at build time: a header of one constexpr
array, which the element lookup and the prose recognisers build their tables from.

Usage: generate_element_list.py ELEMENTS_TSV OUTPUT_H

A malformed line stops the build with its line number: a wrong mass must never reach the checker
silently.
"""
import re
import sys

SYMBOL = re.compile(r"^[A-Z][a-z]?$")
NUMBER = re.compile(r"^[0-9]+(\.[0-9]+)?$")


def fail(path, line_number, message):
    sys.exit(f"{path}:{line_number}: {message}")


def read_rows(path):
    rows = []
    seen = set()
    with open(path, encoding="utf-8") as source:
        for line_number, line in enumerate(source, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 5:
                fail(path, line_number, f"expected 5 TAB-separated fields, found {len(fields)}")
            symbol, number, weight, mass_number, mass = fields
            if not SYMBOL.match(symbol):
                fail(path, line_number, f"'{symbol}' is no element symbol")
            if symbol in seen:
                fail(path, line_number, f"'{symbol}' is listed twice")
            seen.add(symbol)
            for name, value in (("atomic number", number), ("mass number", mass_number)):
                if not value.isdigit() or int(value) == 0:
                    fail(path, line_number, f"the {name} '{value}' is no positive integer")
            for name, value in (("atomic weight", weight), ("atomic mass", mass)):
                if not NUMBER.match(value):
                    fail(path, line_number, f"the {name} '{value}' is no decimal number")
            # An isotope's mass lies within half a unit of its mass number.
            if abs(float(mass) - int(mass_number)) > 0.5:
                fail(path, line_number, f"mass {mass} does not fit mass number {mass_number}")
            rows.append((symbol, int(number), weight, int(mass_number), mass))
    if not rows:
        sys.exit(f"{path}: no elements")
    return rows


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    source, output = sys.argv[1], sys.argv[2]
    rows = read_rows(source)
    lines = [
        "// Generated from data/elements.tsv by generate_element_list.py. Do not edit.",
        "#pragma once",
        "",
        '#include "elements/element_table.h"',
        "",
        "namespace glyphwright {",
        "",
        "// Every element, in the order of the data file.",
        "inline constexpr ElementData kElementList[] = {",
    ]
    for symbol, number, weight, mass_number, mass in rows:
        lines.append(f'    {{u"{symbol}", {number}, {weight}, {mass_number}, {mass}}},')
    lines += [
        "};",
        "",
        "}  // namespace glyphwright",
        "",
    ]
    text = "\n".join(lines)
    try:
        with open(output, encoding="utf-8") as existing:
            if existing.read() == text:
                return
    except OSError:
        pass
    with open(output, "w", encoding="utf-8") as target:
        target.write(text)


if __name__ == "__main__":
    main()
