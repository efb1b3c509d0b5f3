"""Text crossing between Python and the library keeps every character, and comes back as the str
Python itself would make: two strs with the same characters compare equal only when both are in
their narrowest form."""

import pytest

import glyphwright

# (what it tries, a text) — each text at or next to the border of a narrower form.
TEXTS = [
    ("empty", ""),
    ("ASCII", "H2SO4 ->"),
    ("last ASCII", "a\x7f"),
    ("first past ASCII", "a\x80"),
    ("last Latin-1", "\xffb"),
    ("first past Latin-1", "\u0100"),
    ("Greek and a dash", "δ 7.26 – 7.30"),
    ("last before the surrogates", "x\ud7ff"),
    ("first after the surrogates", "\ue000y"),
    ("last of the plane", "\uffff"),
    ("outside the plane", "a\U0001D400b"),
    ("lone high surrogate", "a\ud800b"),
    ("lone low surrogate", "\udfff"),
    ("pair split by a character", "\ud835x\udc00"),
]


@pytest.mark.parametrize("what, text", TEXTS, ids=[what for what, _ in TEXTS])
def test_text_comes_back_unchanged(what, text):
    echoed = glyphwright.Document(text).Text()
    assert echoed == text
    assert len(echoed) == len(text)
    assert echoed.isascii() == text.isascii()


@pytest.mark.parametrize("what, text", TEXTS, ids=[what for what, _ in TEXTS])
def test_one_wide_character_at_the_end_of_a_long_text_is_kept(what, text):
    # The narrowest form is chosen from every character, not from the first ones.
    long_text = "x" * 100_000 + text
    assert glyphwright.Document(long_text).Text() == long_text


def test_a_megabyte_script_is_plain_ascii_and_whole():
    piece = "H2SO4 [Fe(CN)6]3- CuSO4*5H2O NH4+ "
    text = piece * (512 * 1024 // len(piece))
    script = glyphwright.ChemFormulaQuery().GetCommands(text)
    assert script.isascii()
    assert script == script.encode("ascii").decode("ascii")
    one = glyphwright.ChemFormulaQuery().GetCommands(piece)
    # Every piece gives the same commands, shifted by its position: the count of lines adds up.
    assert script.count("\n") == one.count("\n") * (len(text) // len(piece))
