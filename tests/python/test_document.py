"""The reference document from Python: an Executer, a FontListener, and its renderers."""

import glyphwright
from glyphwright import CommandRunner, Document


def run(document, script):
    runner = CommandRunner()
    runner.Executer = document
    runner.Run(script)
    return document


def test_a_script_formats_the_document_and_renders_it():
    document = Document("SO42-")
    assert document.BeginQuery() == "SO42-"
    run(document, "=2\n=2\nSubscript\n=3\n=2\nSuperscript\n")
    assert glyphwright.RenderUnicode(document) == "SO₄²⁻"
    assert "<sub>4</sub><sup>2-</sup>" in glyphwright.RenderHtml(document)
    assert glyphwright.RenderText(document) == "SO42-"
    assert '"subscript":true' in glyphwright.RenderJson(document)


def test_offsets_count_from_the_selection():
    document = Document("Water: ", "H2O", " is wet")
    assert document.BeginQuery() == "H2O"
    run(document, "=1\n=1\nSubscript\n")
    assert document.FormatAt(8)["subscript"] is True
    assert document.FormatAt(1)["subscript"] is False
    assert document.Text() == "Water: H2O is wet"


def test_the_document_is_the_very_executer_object():
    document = Document("x")
    runner = CommandRunner()
    runner.Executer = document
    assert runner.Executer is document


def test_by_reference_answers_come_back_as_return_values():
    document = run(Document("H2O"), "=1\n=1\nSubscript\n")
    assert document.GetSubscript(1, 1, 0) == -1
    assert document.GetSubscript(0, 2, 0) == 9999999
    assert document.GetSuperscript(1, 1, 0) == 0


def test_editing_operations_are_callable_by_name_from_python():
    document = Document("ab")
    document.MoveCursor("EndOfSelection")
    document.TypeText(Text="c", StyleName="")
    assert document.Text() == "abc"
    assert document.QueryValue("$CursorPosition") == 3


def test_documents_read_html():
    document = Document.FromHtml("H<sub>2</sub>O")
    assert glyphwright.RenderUnicode(document) == "H₂O"
