"""A second, separate checker of characterisation paragraphs, written from the rules alone with
regular expressions and the element data file: the corpus and the library are both held to it.

It reads the corpus' habits only (no brackets or hydrates in formulas); that is all it needs.
"""
import pathlib
import re

ELECTRON = 0.000548579909
ADDUCT = re.compile(r"\[(\d*M[^\]]*)\](\d*)([+\u2212-])|\(M([+\u2212-])\)")
HRMS = re.compile(r"[Cc]alcd\.? for ([A-Z][A-Za-z0-9]*)([+\u2212-]?)((?: \S*\]\S*| \(M\S\))?):? "
                  r"(\d+\.\d+)")
ANALYSIS = re.compile(r"calcd(?: \(%\))? for ([A-Z][A-Za-z0-9]*): (.*?)[.;] ?[Ff]ound:? (.*)")
# 'C10H12O2 (164.20): calcd. C 73.15, H 7.37; found C 73.01, H 7.45.'
ANALYSIS_AFTER_FORMULA = re.compile(r"([A-Z][A-Za-z0-9]*) \(\d+\.\d+\): calcd\. (.*?); found (.*)")
ITEM = re.compile(r"([A-Z][a-z]?),? (\d+\.\d+)")
FOUND = re.compile(r"[Ff]ound:? (\d+\.\d+)")


def read_elements(source: pathlib.Path):
    weights, masses = {}, {}
    for line in (source / "data" / "elements.tsv").read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        symbol, _, weight, _, mass = line.split("\t")
        weights[symbol], masses[symbol] = float(weight), float(mass)
    return weights, masses


def counts(formula):
    found = {}
    for symbol, count in re.findall(r"([A-Z][a-z]?)(\d*)", formula):
        found[symbol] = found.get(symbol, 0) + (int(count) if count else 1)
    return found


def check(text, weights, masses):
    """The offsets of the faults in text, sorted."""
    faults = []
    for match in HRMS.finditer(text):
        formula = counts(match.group(1))
        before = text[:match.start()]
        adducts = list(ADDUCT.finditer(match.group(3))) or list(ADDUCT.finditer(before))
        z = 1
        metals = []
        if adducts:
            adduct = adducts[-1]
            sign = adduct.group(3) or adduct.group(4)
            z = int(adduct.group(2) or 1) * (1 if sign == "+" else -1)
            metals = re.findall(r"\+ ?(Na|K|Li|Ag)\b", adduct.group(1) or "")
        elif match.group(2):
            z = 1 if match.group(2) == "+" else -1
        for metal in metals:
            if metal not in formula:
                faults.append(match.start(1))
        mz = (sum(masses[s] * n for s, n in formula.items()) - z * ELECTRON) / abs(z)
        if abs(float(match.group(4)) - mz) > 0.00051:
            faults.append(match.start(4))
        found = FOUND.search(text, match.end())
        if found and abs(float(found.group(1)) - mz) > max(0.005, mz * 1e-5) + 1e-9:
            faults.append(found.start(1))
    for match in [*ANALYSIS.finditer(text), *ANALYSIS_AFTER_FORMULA.finditer(text)]:
        formula = counts(match.group(1))
        total = sum(weights[s] * n for s, n in formula.items())
        for group in (2, 3):
            for item in ITEM.finditer(match.group(group)):
                expected = round(100 * weights[item.group(1)] * formula.get(item.group(1), 0)
                                 / total, 2)
                limit = 0.01 if group == 2 else 0.40
                if abs(float(item.group(2)) - expected) > limit + 1e-9:
                    faults.append(match.start(group) + item.start(2))
    return sorted(faults)
