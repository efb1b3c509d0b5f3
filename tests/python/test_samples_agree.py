"""The bundled sample queries give byte-identical scripts through C++, the command line and
Python."""

import os
import pathlib
import subprocess

import pytest

import glyphwright

SOURCE = pathlib.Path(os.environ.get("GLYPHWRIGHT_SOURCE_DIR", pathlib.Path(__file__).parents[2]))
CLI = os.environ.get("GLYPHWRIGHT_CLI")
SAMPLE_SCRIPT = os.environ.get("GLYPHWRIGHT_SAMPLE_SCRIPT")

ALIASES = {
    "formula": "ChemFormulaQuery", "ion": "IonFormulaQuery", "digits": "ChemRDigitQuery",
    "name": "ChemNameQuery", "journal": "JournalQuery", "nmr-list": "NMRSpecFormQuery",
    "nmr-table": "NMRSpecFormRQuery", "nmr-style": "NMRStyleQuery",
}


def samples():
    path = SOURCE / "samples" / "queries.tsv"
    if not path.exists():
        return []
    found = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line or line.startswith("#"):
            continue
        alias, text, *settings = line.split("\t")
        text = text.replace("\\t", "\t").replace("\\r", "\r")
        found.append(pytest.param(alias, text, settings, id=f"line{number}-{alias}"))
    return found


def python_script(cls, text, settings):
    query = glyphwright.CreateObject(f"Glyphwright.{cls}")
    for setting in settings:
        name, value = setting.split("=", 1)
        setattr(query, name, value)
    if cls == "ChemRDigitQuery":
        query.FontListener = glyphwright.Document(text)
    return query.GetCommands(text).encode("utf-8")


def run(command):
    done = subprocess.run(command, capture_output=True, check=False)
    assert done.returncode == 0, done.stderr.decode("utf-8", "replace")
    return done.stdout


@pytest.mark.skipif(not CLI or not SAMPLE_SCRIPT, reason="needs the command line and C++ host")
@pytest.mark.parametrize("alias, text, settings", samples())
def test_three_hosts_give_the_same_script(alias, text, settings):
    cls = ALIASES[alias]
    from_python = python_script(cls, text, settings)
    from_cpp = run([SAMPLE_SCRIPT, cls, text, *settings])
    sets = [word for setting in settings for word in ("--set", setting)]
    from_cli = run([CLI, "script", alias, *sets, text])
    assert from_cpp == from_python
    assert from_cli == from_python
    assert from_python, "every sample gives a script"
