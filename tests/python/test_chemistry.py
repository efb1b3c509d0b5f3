"""The chemistry queries from Python, and FontListeners written in Python."""

import pytest

import glyphwright
from glyphwright import AutomationError, ChemRDigitQuery, CommandRunner, Document

C6H12O6 = "=1\n=1\n{0}\n=3\n=2\n{0}\n=6\n=1\n{0}\n"


def formatted(query, text):
    document = Document(text)
    runner = CommandRunner()
    runner.Executer = document
    runner.Run(query.GetCommands(document.BeginQuery()))
    return document


def test_ion_formula_the_overview_example():
    query = glyphwright.IonFormulaQuery()
    assert query.GetCommands("SO42-") == "=2\n=2\nSubscript\n=3\n=2\nSuperscript\n"
    assert glyphwright.RenderUnicode(formatted(query, "SO42-")) == "SO₄²⁻"


def test_ion_formula_folds_full_width_text_first():
    assert glyphwright.IonFormulaQuery().GetCommands("ＳＯ４２－") == (
        "=2\n=2\nSubscript\n=3\n=2\nSuperscript\n")


def test_chemical_formula_with_its_italic_command():
    query = glyphwright.ChemFormulaQuery()
    assert query.ItalicCommand == "Italic"
    query.ItalicCommand = "Chemical Italic"
    assert "Chemical Italic\n" in query.GetCommands("cis-CH3C#CCH3")
    assert glyphwright.RenderUnicode(formatted(glyphwright.ChemFormulaQuery(), "H2SO4")) == "H₂SO₄"


def test_chemical_name_commands():
    query = glyphwright.ChemNameQuery()
    assert (query.ItalicCommand, query.SmallCommand) == ("Italic", "Small")
    query.SmallCommand = "Chemical Small"
    assert "Chemical Small\n" in query.GetCommands("D-glucose")


def test_configuration_letters_render_as_smaller_capitals_and_keep_their_text():
    document = formatted(glyphwright.ChemNameQuery(), "DL-alanine")
    assert glyphwright.RenderUnicode(document) == "\u1d05\u029f-alanine"
    assert glyphwright.RenderHtml(document) == (
        '<p><span style="font-variant:small-caps"><small>DL</small></span>-alanine</p>\n')
    assert glyphwright.RenderText(document) == "DL-alanine"


class Listener:
    """A FontListener in Python: answers by returning the value."""

    def __init__(self, subscript, superscript):
        self.answers = {"GetSubscript": subscript, "GetSuperscript": superscript}
        self.calls = []

    def GetSubscript(self, index, length, value):
        self.calls.append(("GetSubscript", index, length, value))
        return self.answers["GetSubscript"]

    def GetSuperscript(self, index, length, value):
        self.calls.append(("GetSuperscript", index, length, value))
        return self.answers["GetSuperscript"]


@pytest.mark.parametrize("subscript, superscript, word", [
    (0, 0, "Subscript"),
    (-1, 0, "Superscript"),
    (0, 5, "NormalScript"),
    (9999999, -1, "Subscript"),  # a subscript answer that is neither yes nor no
    (-1, -1, "Superscript"),
])
def test_a_python_listener_answers_by_returning_the_value(subscript, superscript, word):
    listener = Listener(subscript, superscript)
    query = ChemRDigitQuery()
    query.FontListener = listener
    assert query.FontListener is listener
    assert query.GetCommands("C6H12O6") == C6H12O6.format(word)
    # Only the first run is asked about; Value arrives as 0; positions are ints.
    assert listener.calls == [("GetSubscript", 1, 1, 0), ("GetSuperscript", 1, 1, 0)]


def test_a_listener_returning_none_means_not_set():
    class Silent:
        def GetSubscript(self, index, length, value):
            pass

        def GetSuperscript(self, index, length, value):
            pass

    query = ChemRDigitQuery()
    query.FontListener = Silent()
    assert query.GetCommands("H2O") == "=1\n=1\nSubscript\n"


def test_the_document_is_a_listener_too():
    document = Document("H2O and H2O2")
    query = ChemRDigitQuery()
    query.FontListener = document
    runner = CommandRunner()
    runner.Executer = document
    for expected in ("H₂O and H₂O₂", "H²O and H²O²", "H2O and H2O2"):
        runner.Run(query.GetCommands(document.BeginQuery()))
        assert glyphwright.RenderUnicode(document) == expected


def test_text_without_digit_runs_asks_no_one():
    assert ChemRDigitQuery().GetCommands("2 apples") == ""


def test_a_listener_that_cannot_tell_is_internal_error_1():
    class Broken:
        def GetSubscript(self, index, length, value):
            raise RuntimeError("no document open")

    query = ChemRDigitQuery()
    query.FontListener = Broken()
    with pytest.raises(AutomationError) as caught:
        query.GetCommands("H2O")
    assert (caught.value.number, caught.value.description) == (1, "Internal Error.")


def test_a_listener_without_get_superscript_is_internal_error_too():
    class HalfListener:
        def GetSubscript(self, index, length, value):
            return 0

    query = ChemRDigitQuery()
    query.FontListener = HalfListener()
    with pytest.raises(AutomationError) as caught:
        query.GetCommands("H2O")
    assert caught.value.number == 1


def test_set_subscript_by_keyword_with_the_optional_v():
    listener = Listener(-1, 0)
    query = ChemRDigitQuery()
    query.FontListener = listener
    query.SetSubscript(Index=3, Length=2)
    query.SetSubscript(3, 2, v=0)
    assert listener.calls[0] == ("GetSubscript", 3, 2, 0)
    assert query.QueryValue("x") == "x"
    with pytest.raises(AutomationError) as caught:
        query.SetSubscript(Length=2)
    assert caught.value.number == 449


def test_set_subscript_without_a_listener_is_error_91():
    with pytest.raises(AutomationError) as caught:
        ChemRDigitQuery().SetSubscript(1, 1)
    assert caught.value.number == 91


def test_full_width_digits_and_tilde_are_folded():
    listener = Listener(0, 0)
    query = ChemRDigitQuery()
    query.FontListener = listener
    assert query.GetCommands("ｘ１～３") == "=1\n=3\nSubscript\n"
