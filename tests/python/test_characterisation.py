"""CharacterisationQuery and CheckCharacterisation from Python: the corpus against an
independent checker, the same findings and scripts as the command line."""
import os
import pathlib
import subprocess

import pytest

import glyphwright
from characterisation_reference import check, read_elements

SOURCE = pathlib.Path(os.environ.get("GLYPHWRIGHT_SOURCE_DIR", pathlib.Path(__file__).parents[2]))
CLI = os.environ.get("GLYPHWRIGHT_CLI")
WEIGHTS, MASSES = read_elements(SOURCE)


def corpus():
    lines = (SOURCE / "tests" / "characterisation" / "corpus.txt").read_text(
        encoding="utf-8").splitlines()
    paragraphs = []
    for i, line in enumerate(lines):
        if line.startswith("## "):
            number, style, kind, offsets = line[3:].split()
            faults = [] if offsets == "-" else [int(x) for x in offsets.split(",")]
            paragraphs.append(pytest.param(lines[i + 1], kind, faults, id=f"{number}-{style}"))
    return paragraphs


CORPUS = corpus()


def test_corpus_is_large_enough_and_a_third_faulty():
    assert len(CORPUS) >= 200
    faulty = sum(1 for p in CORPUS if p.values[1] != "ok")
    assert faulty * 100 >= len(CORPUS) * 32


@pytest.mark.parametrize("text,kind,faults", CORPUS)
def test_independent_checker_agrees_with_the_corpus(text, kind, faults):
    assert check(text, WEIGHTS, MASSES) == faults


@pytest.mark.parametrize("text,kind,faults", CORPUS)
def test_library_finds_the_corpus_faults(text, kind, faults):
    findings = glyphwright.CheckCharacterisation(text)
    assert [offset for offset, _ in findings] == faults
    assert all(message.endswith(".") for _, message in findings)


def test_hand_checked_values():
    # C10H13O2+: 120 + 13 x 1.00782503207 + 2 x 15.99491461956 - 0.000548579909 = 165.09100608.
    assert glyphwright.CheckCharacterisation(
        "HRMS calcd for C10H13O2 [M+H]+ 165.0910, found 165.0912.") == []
    (offset, message), = glyphwright.CheckCharacterisation(
        "HRMS calcd for C10H13O2 [M+H]+ 165.0916, found 165.0912.")
    assert offset == 31 and "165.0910" in message


def test_offsets_are_utf16_code_units():
    # U+1D6FC, a mathematical alpha, is two code units and one Python character.
    text = "\U0001D6FC HRMS calcd for C10H13O2+ 165.0925."
    (offset, _), = glyphwright.CheckCharacterisation(text)
    assert offset == 28
    assert glyphwright.from_utf16_offset(text, offset) == 27


def test_query_formats_through_the_runner(executer):
    query = glyphwright.CharacterisationQuery()
    runner = glyphwright.CommandRunner()
    runner.Executer = executer
    runner.Run(query.GetCommands("mp 163-165 \u00B0C"))
    assert executer.calls == ["QueryValue(6)", "QueryValue(8211)", "ReplaceChar(6, 8211)"]


@pytest.mark.skipif(not CLI, reason="the command line is not built")
@pytest.mark.parametrize("text,kind,faults", CORPUS[:30])
def test_command_line_gives_the_same_findings_and_scripts(text, kind, faults):
    checked = subprocess.run([CLI, "check", text], capture_output=True, text=True, check=False)
    findings = glyphwright.CheckCharacterisation(text)
    assert checked.returncode == (4 if findings else 0)
    assert checked.stdout == "".join(f"{offset}: {message}\n" for offset, message in findings)
    # The member that hosts with only strings (Word, Writer's Basic) call gives the same lines.
    assert glyphwright.CharacterisationQuery().CheckCharacterisation(text) == checked.stdout
    script = subprocess.run([CLI, "script", "data", text], capture_output=True, text=True,
                            check=True).stdout
    assert script == glyphwright.CharacterisationQuery().GetCommands(text)
