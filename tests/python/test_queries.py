"""The queries from Python: properties, scripts, errors, and scripts run on the document."""

import pytest

import glyphwright
from glyphwright import AutomationError, CommandRunner, Document


def format_on_document(query, document):
    script = query.GetCommands(document.BeginQuery())
    runner = CommandRunner()
    runner.Executer = document
    runner.Run(script)
    return script


def test_journal_reference_italic_abbreviation_bold_year():
    document = Document("J. Am. Chem. Soc. 1999, 121, 1234.")
    format_on_document(glyphwright.JournalQuery(), document)
    html = glyphwright.RenderHtml(document)
    assert "<i>J. Am. Chem. Soc.</i>" in html
    assert "<b>1999</b>" in html


def test_journal_query_gives_nothing_for_other_text():
    assert glyphwright.JournalQuery().GetCommands("no reference here") == ""


def test_nmr_table_to_running_list():
    query = glyphwright.NMRSpecFormQuery()
    assert query.JValueStyle == 1
    assert query.SpecFormat == "1H, d, J"
    document = Document("7.26\t1H\td\t8.0\r1.25\t3H\tt\t7.1")
    format_on_document(query, document)
    # The blank after the list is what is left of the script's end marker "!! ".
    assert glyphwright.RenderText(document) == (
        "7.26 (1H, d, J = 8.0 Hz), 1.25 (3H, t, J = 7.1 Hz). ")
    assert document.FormatAt(13)["italic"] is True  # the J


def test_nmr_table_properties_convert_like_automation():
    query = glyphwright.NMRSpecFormQuery()
    query.JValueStyle = "2"
    assert query.JValueStyle == 2
    query.JValueStyle = 2.5  # half to even
    assert query.JValueStyle == 2
    with pytest.raises(AutomationError) as caught:
        query.JValueStyle = "two"
    assert caught.value.number == 13
    query.SpecFormat = "J, 1H, d"
    assert query.SpecFormat == "J, 1H, d"


def test_a_table_row_without_a_shift_is_error_1():
    with pytest.raises(AutomationError) as caught:
        glyphwright.NMRSpecFormQuery().GetCommands("no peaks here")
    error = caught.value
    assert (error.number, error.description) == (1, "Chemical shift is missing.")


def test_nmr_running_list_to_table():
    query = glyphwright.NMRSpecFormRQuery()
    assert query.Strict is False
    document = Document("1H NMR (CDCl3) δ 7.26 (1H, d, J = 8.0 Hz), 1.25 (3H, s).")
    format_on_document(query, document)
    assert 'class="nmr-spec-table"' in glyphwright.RenderHtml(document)
    assert "7.26\t1H\td\t8.0" in glyphwright.RenderText(document)


def test_nmr_list_query_never_raises():
    query = glyphwright.NMRSpecFormRQuery()
    query.Strict = True
    assert query.GetCommands("δ (1H, d)") == ""


def test_script_positions_are_utf16_code_units():
    # A character outside the Basic Multilingual Plane before the reference shifts every
    # position by two code units, not one.
    text = "\U0001D400 J. Am. Chem. Soc. 1999, 121, 1234."
    script = glyphwright.JournalQuery().GetCommands(text)
    plain = glyphwright.JournalQuery().GetCommands(text[2:])
    if plain:
        first = int(plain.split("\n")[0][1:])
        assert script.split("\n")[0] == f"={first + 3}"
        assert glyphwright.from_utf16_offset(text, first + 3) == first + 2


def test_text_query_formats_every_item_of_running_text():
    document = Document("Dry CH2Cl2 (5 mL), Fe3+ and N,N-dimethylformamide; see Org. Lett. "
                        "2003, 5, 4567 and Nature 2001, 409, 860. A549 cells, Table 2.")
    format_on_document(glyphwright.ChemTextQuery(), document)
    html = glyphwright.RenderHtml(document)
    assert "CH<sub>2</sub>Cl<sub>2</sub>" in html
    assert "Fe<sup>3+</sup>" in html
    assert "<i>N</i>,<i>N</i>-dimethylformamide" in html
    assert "<i>Org. Lett.</i> <b>2003</b>" in html
    assert "<i>Nature</i> <b>2001</b>" in html
    assert "A549 cells, Table 2." in html


def test_text_query_keeps_formatting_done_by_hand():
    document = Document.FromHtml("NH<sub>4</sub>+ in H2O")
    query = glyphwright.ChemTextQuery()
    query.FontListener = document
    format_on_document(query, document)
    assert glyphwright.RenderHtml(document) == \
        "<p>NH<sub>4</sub><sup>+</sup> in H<sub>2</sub>O</p>\n"
