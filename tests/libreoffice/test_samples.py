"""Every bundled sample, applied through the extension inside a longer paragraph, formats Writer
exactly as the reference document does, character by character."""

import pytest

import reference
from conftest import SOURCE

ALIASES = {
    "formula": ("Formula", "ChemFormulaQuery"), "ion": ("Ion", "IonFormulaQuery"),
    "digits": ("CycleDigits", "ChemRDigitQuery"), "name": ("Name", "ChemNameQuery"),
    "journal": ("Journal", "JournalQuery"), "nmr-list": ("NmrTableToList", "NMRSpecFormQuery"),
    "nmr-table": ("NmrListToTable", "NMRSpecFormRQuery"),
    "nmr-style": ("NmrRestyle", "NMRStyleQuery"),
}
# Text around the selection: a sentence for the character jobs, whole paragraphs around a peak
# table.
SURROUNDINGS = {
    "nmr-list": ("1H NMR (CDCl3) δ\r", "\rThe sample was pure."),
}
AROUND = ("We dissolved ", " and waited.")


def samples():
    found = []
    path = SOURCE / "samples" / "queries.tsv"
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line or line.startswith("#"):
            continue
        alias, text, *settings = line.split("\t")
        text = text.replace("\\t", "\t").replace("\\r", "\r")
        values = dict(setting.split("=", 1) for setting in settings)
        found.append(pytest.param(alias, text, values, id=f"line{number}-{alias}"))
    return found


def typed(values):
    """Settings as the configuration holds them."""
    converted = {}
    for name, value in values.items():
        if name in ("JValueStyle", "ShiftDecimals", "CouplingDecimals"):
            converted[name] = int(value)
        elif name == "Strict":
            converted[name] = value.lower() in ("true", "-1", "1")
        else:
            converted[name] = value
    return converted


@pytest.mark.parametrize("alias, text, values", samples())
def test_sample_formats_as_the_reference_does(doc, settings, alias, text, values):
    command, query_class = ALIASES[alias]
    before, after = SURROUNDINGS.get(alias, AROUND)
    settings(**typed(values))
    doc.write(before + text + after)
    doc.select_text(text)

    assert doc.dispatch(command) == ""

    assert doc.chars() == reference.formatted(before, text, after, query_class, values)
