"""The Lib text functions and the position helpers."""

import pytest

from glyphwright import Lib, from_utf16_offset, to_utf16_offset, utf16_length


def test_to_half_width_folds_code_unit_for_code_unit():
    assert Lib.ToHalfWidth("ＳＯ４２－") == "SO42-"
    assert Lib.ToHalfWidth("ｘ１～３") == "x1~3"
    assert Lib.ToHalfWidthChar(0xFF21) == 0x41
    assert Lib.ToHalfWidthChar(0x3042) == 0x3042


def test_split_trim_replace_and_cut():
    assert Lib.SplitText("", ",") == [""]
    assert Lib.SplitText("a, b,", ",") == ["a", " b", ""]
    assert Lib.TrimText("  H2O \t") == "H2O"
    assert Lib.ReplaceText("x Subscript\ny subscript\n", "subscript\n", "Superscript\n") == (
        "x Superscript\ny Superscript\n")
    assert Lib.CutAtNul("ab\0cd") == "ab"


def test_code_arrays_end_with_a_zero():
    assert Lib.StringToChars("H2") == [0x48, 0x32, 0]
    assert Lib.StringToChars("") == [0]
    assert Lib.CharsToString([0x48, 0x32, 0x4F, 0], 1, 2) == "2O"
    assert Lib.CharsToString([0x48, 0], 0, 0) == ""
    assert Lib.CharsToString([-1, 0], 0, 1) == "\uffff"  # the signed form of U+FFFF
    with pytest.raises(IndexError):
        Lib.CharsToString([0x48, 0], 1, 5)


def test_positions_count_utf16_code_units():
    text = "a\U0001D400b"  # a character outside the Basic Multilingual Plane: two code units
    assert utf16_length(text) == 4
    assert to_utf16_offset(text, 2) == 3
    assert from_utf16_offset(text, 3) == 2
    assert from_utf16_offset(text, 4) == 3
    with pytest.raises(ValueError):
        from_utf16_offset(text, 2)  # the middle of the pair
    with pytest.raises(IndexError):
        to_utf16_offset(text, 4)


def test_text_outside_the_basic_plane_and_lone_surrogates_survive():
    assert Lib.ToHalfWidth("\U0001D400１") == "\U0001D4001"
    assert Lib.TrimText(" \ud800x ") == "\ud800x"
    assert Lib.StringToChars("\U0001D400") == [0xD835, 0xDC00, 0]
