#!/usr/bin/env python3
"""Writes corpus.txt: characterisation paragraphs in the habits of four journal families, a third
of them with one deliberate error each.

Usage: write_corpus.py ELEMENTS_TSV CORPUS_TXT

Every value is computed here from the element data file, never by the library under test. Each
paragraph is one line after a header line

    ## NUMBER STYLE KIND OFFSETS

where KIND is "ok" or the error put in, and OFFSETS the UTF-16 offsets (comma-separated, "-" for
none) of every number or formula a checker must report. The corpus is kept in the repository;
this script says how it was made and remakes it byte for byte (the random numbers are seeded).
"""
import random
import re
import sys

ELECTRON = 0.000548579909


def read_elements(path):
    weights, masses = {}, {}
    with open(path, encoding="utf-8") as source:
        for line in source:
            if not line.strip() or line.startswith("#"):
                continue
            symbol, _, weight, _, mass = line.rstrip("\n").split("\t")
            weights[symbol] = float(weight)
            masses[symbol] = float(mass)
    return weights, masses


def parse(formula):
    counts = {}
    for symbol, count in re.findall(r"([A-Z][a-z]?)(\d*)", formula):
        counts[symbol] = counts.get(symbol, 0) + (int(count) if count else 1)
    return counts


def hill(counts):
    order = ["C", "H"] + sorted(s for s in counts if s not in ("C", "H"))
    return "".join(s + (str(counts[s]) if counts[s] != 1 else "") for s in order
                   if counts.get(s, 0) > 0)


def with_change(formula, symbol, change):
    counts = parse(formula)
    counts[symbol] = counts.get(symbol, 0) + change
    return hill(counts)


# (formula, acid, solid)
COMPOUNDS = [
    ("C10H12O2", False, True), ("C8H8O2", False, False), ("C9H10O", False, False),
    ("C11H14O2", False, False), ("C12H16O3", False, True), ("C7H7NO2", False, True),
    ("C8H9NO", False, True), ("C9H11NO2", False, True), ("C10H13NO", False, True),
    ("C13H12O", False, True), ("C14H12O2", False, True), ("C15H14O", False, False),
    ("C16H16O2", False, True), ("C8H7BrO", False, True), ("C9H9ClO", False, False),
    ("C7H5FO", False, False), ("C8H7F3O", False, False), ("C10H10O4", False, True),
    ("C11H12N2O", False, True), ("C12H10N2", False, True), ("C6H5NO3", True, True),
    ("C13H10O3", False, True), ("C14H14N2O", False, True), ("C15H13NO3", False, True),
    ("C18H20O2", False, True), ("C20H24O2", False, True), ("C17H19NO3", False, True),
    ("C19H22N2O", False, True), ("C21H26O4", False, False), ("C16H13ClN2O", False, True),
    ("C9H8O2", True, True), ("C7H6O2", True, True), ("C8H8O3", True, True),
    ("C10H8O3", True, True), ("C11H10O2", True, True), ("C12H14O4", False, False),
    ("C22H28O3", False, True), ("C24H30N2O4", False, True), ("C25H32O5", False, False),
    ("C27H44O", False, True), ("C30H50O", False, True), ("C23H25NO4S", False, True),
    ("C14H18N2O4S", False, True), ("C8H10N2O2S", False, True), ("C6H7NO2S", False, True),
    ("C11H16OSi", False, False), ("C14H22O2Si", False, False), ("C10H15NO2", False, False),
    ("C13H17NO2", False, True), ("C16H22O4", False, False), ("C12H15NO3", False, True),
    ("C10H9NO2", True, True), ("C9H7NO", False, True), ("C11H11NO3", False, True),
    ("C8H6BrNO2", False, True), ("C7H4Cl2O", False, True), ("C12H9BrO", False, True),
    ("C13H11IO", False, True), ("C15H12ClFO", False, True), ("C19H17NO4", False, True),
    ("C20H21NO5", False, True), ("C18H16O4", False, True), ("C17H14O3", True, True),
    ("C26H28N2O6", False, True), ("C28H36O6", False, False), ("C31H40N2O5", False, True),
    ("C35H44O8", False, True), ("C40H56O10", False, True), ("C12H12N2O3S", False, True),
    ("C10H11BrO2", False, False), ("C9H10INO", False, True), ("C15H21NO4", False, False),
]

STYLES = ["acs", "rsc", "wiley", "elsevier"]
KINDS = ["calcd-digit", "found-far", "no-electron", "na-missing", "ea-calcd", "ea-found",
         "wrong-formula", "found-ppm"]


class Paragraph:
    """Pieces of text with the offsets of the pieces marked as faults."""

    def __init__(self):
        self.text = ""
        self.faults = []

    def add(self, piece, fault=False):
        if fault:
            self.faults.append(len(self.text))
        self.text += piece


def mz(masses, formula, z):
    return (sum(masses[s] * n for s, n in parse(formula).items()) - z * ELECTRON) / abs(z)


def percent(weights, formula, symbol):
    counts = parse(formula)
    total = sum(weights[s] * n for s, n in counts.items())
    return 100 * weights[symbol] * counts.get(symbol, 0) / total


def main():
    weights, masses = read_elements(sys.argv[1])
    rng = random.Random(19)
    out = []
    number = 0
    for index, (formula, acid, solid) in enumerate(COMPOUNDS):
        for turn in range(3):
            number += 1
            style = STYLES[(index + turn) % 4]
            kind = KINDS[(number // 3) % len(KINDS)] if number % 3 == 0 else "ok"
            out.append(compose(number, style, kind, formula, acid, solid, rng, weights, masses))
    with open(sys.argv[2], "w", encoding="utf-8") as target:
        target.write("".join(out))


def compose(number, style, kind, formula, acid, solid, rng, weights, masses):
    p = Paragraph()
    chiral = number % 4 == 1
    # The ion: an acid's anion in negative mode, a sodium adduct, a protonated molecule, or the
    # radical cation of electron impact.
    if kind == "na-missing":
        adduct = "na"
    elif acid and style != "elsevier":
        adduct = "neg"
    elif style == "elsevier" and number % 2 == 0:
        adduct = "ei"
    else:
        adduct = ["h", "na"][number % 2]
    ion, z, label = {
        "h": (with_change(formula, "H", 1), 1, {"acs": "[M + H]+", "rsc": "[M+H]+",
                                                 "wiley": "[M+H]+", "elsevier": "[M+H]+"}),
        "na": (with_change(formula, "Na", 1), 1, {"acs": "[M + Na]+", "rsc": "[M+Na]+",
                                                   "wiley": "[M+Na]+", "elsevier": "[M+Na]+"}),
        "neg": (with_change(formula, "H", -1), -1, {"acs": "[M \u2212 H]\u2212",
                                                     "rsc": "[M\u2212H]\u2212",
                                                     "wiley": "[M\u2212H]\u2212",
                                                     "elsevier": "[M\u2212H]\u2212"}),
        "ei": (formula, 1, {s: "(M+)" for s in STYLES}),
    }[adduct]
    label = label[style]
    true_mz = mz(masses, ion, z)
    written_ion = ion
    if kind == "na-missing":
        written_ion = with_change(ion, "Na", -1)
    if kind == "wrong-formula":
        written_ion = with_change(ion, "H", 2)
    calcd = round(true_mz, 4)
    calcd_fault = False
    if kind == "calcd-digit":
        calcd = round(true_mz + rng.choice([-1, 1]) * rng.randint(8, 40) * 1e-4, 4)
        calcd_fault = True
    elif kind == "no-electron":
        calcd = round(true_mz + z * ELECTRON, 4)
        calcd_fault = abs(calcd - true_mz) > 0.00051
        if not calcd_fault:
            kind = "ok"
    elif kind in ("na-missing", "wrong-formula"):
        # The calcd value stated is the true ion's; the formula written is not that ion.
        calcd_fault = True
    offset = rng.uniform(-0.0030, 0.0030)
    found_fault = kind in ("na-missing", "wrong-formula")
    if kind == "found-far":
        offset = rng.choice([-1, 1]) * rng.uniform(0.0065, 0.0150)
        found_fault = True
    if kind == "found-ppm":
        limit = max(0.0050, true_mz * 1e-5)
        offset = rng.choice([-1, 1]) * (limit + rng.uniform(0.0008, 0.0030))
        found_fault = True
    found = round(true_mz + offset, 4)
    has_ea = solid and (number % 2 == 1 or kind in ("ea-calcd", "ea-found"))
    if kind in ("ea-calcd", "ea-found") and not solid:
        has_ea = True

    yield_mg = rng.randint(20, 400)
    yield_pc = rng.randint(40, 99)
    low = rng.randint(60, 240)
    rf = rng.randint(15, 70) / 100
    rotation = rng.uniform(-150, 150)
    ir = sorted({rng.randint(700, 3400) for _ in range(4)}, reverse=True)
    shifts = sorted((round(rng.uniform(0.8, 8.2), 2) for _ in range(3)), reverse=True)
    carbons = sorted((round(rng.uniform(10, 200), 1) for _ in range(4)), reverse=True)
    j = round(rng.uniform(1.5, 16.5), 1)
    state = ("White solid" if solid else "Colourless oil")
    rot_value = f"{'+' if rotation >= 0 else chr(0x2212)}{abs(rotation):.1f}"
    c = rng.choice(["0.50", "1.00", "1.2", "0.8"])

    if style == "acs":
        state = state.replace("Colourless", "Colorless")
        p.add(f"{state} ({yield_mg} mg, {yield_pc}%)")
        if solid:
            p.add(f"; mp {low}-{low + rng.randint(1, 3)} \u00B0C")
        p.add(f"; Rf = {rf:.2f} (hexanes/EtOAc 4:1)")
        if chiral:
            p.add(f"; [\u03B1]D20 {rot_value} (c {c}, CHCl3)")
        p.add(f"; IR (neat) {', '.join(map(str, ir))} cm-1")
        p.add(f"; 1H NMR (400 MHz, CDCl3) \u03B4 {shifts[0]:.2f} (d, J = {j} Hz, 2H), "
              f"{shifts[1]:.2f} (m, 1H), {shifts[2]:.2f} (s, 3H)")
        p.add(f"; 13C{{1H}} NMR (101 MHz, CDCl3) \u03B4 {', '.join(f'{x:.1f}' for x in carbons)}")
        p.add(f"; HRMS (ESI-TOF) m/z: {label} Calcd for ")
        p.add(written_ion, kind == "na-missing")
        p.add(" ")
        p.add(f"{calcd:.4f}", calcd_fault)
        p.add("; Found ")
        p.add(f"{found:.4f}", found_fault)
        p.add(".")
    elif style == "rsc":
        p.add(f"{state} ({yield_mg} mg, {yield_pc}%)")
        if solid:
            p.add(f", mp {low}-{low + rng.randint(1, 3)} \u00B0C (from EtOH)")
        p.add(f"; Rf 0.{int(rf * 100):02d} (petrol/EtOAc 3:1)")
        if chiral:
            p.add(f"; [\u03B1]20D {rot_value} (c {c}, MeOH)")
        p.add(f"; \u03BDmax/cm-1 {' '.join(map(str, ir))}")
        p.add(f"; \u03B4H (400 MHz, CDCl3) {shifts[0]:.2f} (2H, d, J {j}), {shifts[1]:.2f} (1H, m)")
        p.add(f"; \u03B4C (101 MHz, CDCl3) {', '.join(f'{x:.1f}' for x in carbons)}")
        p.add("; HRMS (ESI) m/z calcd for ")
        p.add(written_ion, kind == "na-missing")
        p.add(f" {label}: ")
        p.add(f"{calcd:.4f}", calcd_fault)
        p.add(", found: ")
        p.add(f"{found:.4f}", found_fault)
        p.add(".")
    elif style == "wiley":
        p.add(f"{state}")
        if solid:
            p.add(f", m.p. {low}\u2013{low + rng.randint(1, 3)} \u00B0C")
        p.add(f". Rf = {rf:.2f} (cyclohexane/EtOAc 5:1).")
        if chiral:
            p.add(f" [\u03B1]D20 = {rot_value} (c = {c}, CH2Cl2).")
        p.add(f" IR (ATR): \u03BD = {', '.join(map(str, ir))} cm\u22121.")
        p.add(f" 1H NMR (400 MHz, CDCl3): \u03B4 = {shifts[0]:.2f} (d, J = {j} Hz, 2 H), "
              f"{shifts[1]:.2f} (s, 3 H) ppm.")
        p.add(f" 13C NMR (101 MHz, CDCl3): \u03B4 = {', '.join(f'{x:.1f}' for x in carbons)} ppm.")
        p.add(" HRMS (ESI): m/z calcd. for ")
        p.add(written_ion, kind == "na-missing")
        p.add(f" {label} ")
        p.add(f"{calcd:.4f}", calcd_fault)
        p.add("; found ")
        p.add(f"{found:.4f}", found_fault)
        p.add(".")
    else:
        p.add(f"{state}")
        if solid:
            p.add(f"; mp: {low}\u2013{low + rng.randint(1, 3)} \u00B0C")
        p.add(f"; Rf: {rf:.2f}")
        if chiral:
            p.add(f"; [\u03B1]D25 {rot_value} (c {c}, CHCl3)")
        p.add(f"; IR (KBr): {', '.join(map(str, ir))} cm\u22121")
        p.add(f"; 1H NMR (CDCl3, 400 MHz): \u03B4 {shifts[0]:.2f} (d, 2H, J = {j} Hz), "
              f"{shifts[1]:.2f} (m, 1H)")
        p.add(f"; 13C NMR (CDCl3, 100 MHz): \u03B4 {', '.join(f'{x:.1f}' for x in carbons)}")
        p.add(f"; HRMS ({'EI' if adduct == 'ei' else 'ESI'}): m/z calcd for ")
        p.add(written_ion, kind == "na-missing")
        p.add(f" {label} ")
        p.add(f"{calcd:.4f}", calcd_fault)
        p.add(", found ")
        p.add(f"{found:.4f}", found_fault)
        p.add(".")

    if has_ea:
        symbols = [s for s in ("C", "H", "N", "S") if parse(formula).get(s)]
        calcd_pc = {s: round(percent(weights, formula, s), 2) for s in symbols}
        found_pc = {s: round(calcd_pc[s] + rng.uniform(-0.30, 0.30), 2) for s in symbols}
        bad = rng.choice(symbols)
        if kind == "ea-calcd":
            calcd_pc[bad] = round(calcd_pc[bad] + rng.choice([-1, 1]) * rng.uniform(0.05, 0.5), 2)
        if kind == "ea-found":
            true = round(percent(weights, formula, bad), 2)
            found_pc[bad] = round(true + rng.choice([-1, 1]) * rng.uniform(0.45, 0.95), 2)
        if style in ("acs", "elsevier"):
            head = "Anal. Calcd for " if style == "acs" else "Anal. calcd for "
            sep, tail = ("; ", ".") if style == "acs" else ("; ", "%.")
            p.add(" " + head + formula + ": ")
            for i, s in enumerate(symbols):
                p.add(f"{s}, ")
                p.add(f"{calcd_pc[s]:.2f}", kind == "ea-calcd" and s == bad)
                p.add(sep if i + 1 < len(symbols) else tail)
            p.add(" Found: ")
            for i, s in enumerate(symbols):
                p.add(f"{s}, ")
                p.add(f"{found_pc[s]:.2f}", kind == "ea-found" and s == bad)
                p.add(sep if i + 1 < len(symbols) else tail)
        elif number % 2 == 0:
            # The formula and its weight first: 'C10H12O2 (164.20): calcd. C 73.15, H 7.37; ...'
            weight = sum(weights[s] * n for s, n in parse(formula).items())
            p.add(f" {formula} ({weight:.2f}): calcd. ")
            for i, s in enumerate(symbols):
                p.add(f"{s} ")
                p.add(f"{calcd_pc[s]:.2f}", kind == "ea-calcd" and s == bad)
                p.add(", " if i + 1 < len(symbols) else "; ")
            p.add("found ")
            for i, s in enumerate(symbols):
                p.add(f"{s} ")
                p.add(f"{found_pc[s]:.2f}", kind == "ea-found" and s == bad)
                p.add(", " if i + 1 < len(symbols) else ".")
        else:
            p.add(" Elemental analysis calcd (%) for " + formula + ": ")
            for i, s in enumerate(symbols):
                p.add(f"{s} ")
                p.add(f"{calcd_pc[s]:.2f}", kind == "ea-calcd" and s == bad)
                p.add(", " if i + 1 < len(symbols) else "; ")
            p.add("found: ")
            for i, s in enumerate(symbols):
                p.add(f"{s} ")
                p.add(f"{found_pc[s]:.2f}", kind == "ea-found" and s == bad)
                p.add(", " if i + 1 < len(symbols) else ".")
    elif kind in ("ea-calcd", "ea-found"):
        kind = "ok"

    faults = ",".join(map(str, sorted(p.faults))) or "-"
    if kind != "ok" and not p.faults:
        kind = "ok"
    return f"## {number} {style} {kind} {faults}\n{p.text}\n\n"


if __name__ == "__main__":
    main()
