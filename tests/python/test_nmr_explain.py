"""Why the list-to-table query leaves a list alone, from Python."""

import glyphwright


def test_a_list_that_reads_has_nothing_to_explain():
    text = "1H NMR (CDCl3) δ 7.26 (1H, d, J = 8.0 Hz), 1.25 (3H, s)."
    assert glyphwright.ExplainPeakList(text) is None
    assert glyphwright.NMRSpecFormRQuery().GetCommands(text) != ""


def test_the_message_and_offset_of_a_rejected_list():
    text = "1H NMR δ 7.26 (1H, s); 1.25 (3H, s)."
    assert glyphwright.NMRSpecFormRQuery().GetCommands(text) == ""
    assert glyphwright.ExplainPeakList(text) == ("Missing comma.", 21)
    assert text[21] == ";"


def test_strict_and_spec_format_are_the_query_settings():
    assert glyphwright.ExplainPeakList("δ 7.26.", "", False) is None
    assert glyphwright.ExplainPeakList("δ 7.26.", Strict=True) == ("Missing number and atom.", 2)
    assert glyphwright.ExplainPeakList("δ 7.26 (d, 1H).", "J, 1H, d", True) == (
        "Missing number and atom.", 2)


def test_offsets_count_utf16_code_units():
    # The mathematical italic delta before the list takes two code units.
    text = "\U0001D6FF δ 7.26 (1H d)."
    message, offset = glyphwright.ExplainPeakList(text)
    assert message == "Missing close parenthesis."
    assert offset == 14
    assert glyphwright.from_utf16_offset(text, offset) == 13


def test_the_failure_described_for_a_user():
    text = "1H NMR δ 7.26 (1H, s); 1.25 (3H, s)."
    assert glyphwright.DescribePeakListFailure(text) == (
        "Missing comma. (at offset 21: «…7.26 (1H, s); 1.25 (3H, …»)")
    assert glyphwright.DescribePeakListFailure("δ 7.26.") is None
