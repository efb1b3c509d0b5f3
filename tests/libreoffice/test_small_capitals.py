"""Small capitals that a reader can see: Writer draws a capital under small capitals at full
size, so the extension's small capitals and its "Chemical Small" style make their letters smaller
too. Measured on the printed page: the D of "D-Glucose" must come out clearly lower than the G
after it, in the document and after .odt and .docx round trips, and the text stays as typed."""

import glyphwright
import pytest
from com.sun.star.style.CaseMap import SMALLCAPS
from glyphwright_writer import script_run
from glyphwright_writer.writer_executer import WriterExecuter

from page_image import first_line_glyphs
from writer_doc import WriterDoc

NAME = "D-Glucose"
# Real small capitals stand about 70% to 80% as tall as the capitals.
SMALL_AT_MOST = 0.85
FULL_AT_LEAST = 0.92  # the round G stands a little above and below the D
ROUND_TRIPS = [("writer8", ".odt"), ("MS Word 2007 XML", ".docx")]


def d_to_g(document):
    """The height of the D over that of the G, as printed: the glyphs are D, -, G, l ..."""
    glyphs = first_line_glyphs(document)
    assert len(glyphs) == len(NAME), glyphs
    hyphen = glyphs[1]
    assert hyphen.height < glyphs[0].height / 2, glyphs  # the cut found the letters
    return glyphs[0].height / glyphs[2].height


def reloaded(office, doc, tmp_path, filter_name, suffix):
    path = tmp_path / f"name{suffix}"
    doc.store(str(path), filter_name)
    return WriterDoc(office, office.load(str(path)))


def run_script(doc, text, script, height=None):
    doc.write(text)
    if height is not None:
        doc.range_at(0, len(text)).CharHeight = height
    doc.select_text(text)
    selected = doc.document.getCurrentController().getSelection().getByIndex(0)
    script_run.run_script(script, WriterExecuter(doc.document, selected))


def height_at(doc, offset):
    return round(doc.range_at(offset, 1).CharHeight, 1)


def test_the_measure_sees_a_full_capital_as_full(doc):
    doc.write(NAME)
    assert d_to_g(doc.document) >= FULL_AT_LEAST


@pytest.mark.parametrize("word", ["Small", "Chemical Small"])
def test_the_configuration_letter_prints_smaller_than_a_capital(office, doc, settings, tmp_path,
                                                                word):
    settings(SmallCommand=word)
    doc.write(NAME)
    doc.select_text(NAME)
    assert doc.dispatch("Name") == ""
    assert doc.plain_text() == NAME
    formatted = doc.chars()
    assert formatted[0].small and formatted[0].style == ("" if word == "Small" else word)
    assert d_to_g(doc.document) <= SMALL_AT_MOST

    for filter_name, suffix in ROUND_TRIPS:
        copy = reloaded(office, doc, tmp_path, filter_name, suffix)
        try:
            assert copy.plain_text() == NAME, suffix
            assert copy.chars() == formatted, suffix
            assert d_to_g(copy.document) <= SMALL_AT_MOST, suffix
        finally:
            copy.close()


def test_small_capitals_take_their_size_from_their_own_text(doc):
    run_script(doc, "Dx", "=0\n=1\nSmall\n", height=20)
    assert (height_at(doc, 0), height_at(doc, 1)) == (16, 20)


def test_small_capitals_twice_shrink_once(doc):
    run_script(doc, "D", "=0\n=1\nSmall\n=0\n=1\nSmall\n=0\n=1\nChemical Small\n")
    assert height_at(doc, 0) == 9.6


def test_small_capitals_over_the_style_keep_its_size(doc):
    run_script(doc, "D", "=0\n=1\nChemical Small\n=0\n=1\nSmall\n")
    assert height_at(doc, 0) == 9.6


def test_typed_text_takes_over_neither_small_capitals_nor_their_size(doc):
    run_script(doc, "D", "=0\n=1\nSmall\n=1\nGoTo\n=x\nTypeText\n")
    typed = doc.range_at(1, 1)
    assert (typed.CharCaseMap, height_at(doc, 1)) == (0, 12)


@pytest.mark.parametrize("script, sizes", [
    # plain text pasted after a small capital
    ("=0\n=1\nSmall\n=2\n=1\nCopy\n=1\nGoTo\nPaste\n", [9.6, 12, 12, 12]),
    # a small capital pasted among plain text
    ("=0\n=1\nSmall\n=0\n=1\nCopy\n=2\nGoTo\nPaste\n", [9.6, 12, 9.6, 12]),
])
def test_pasted_text_keeps_the_size_it_was_copied_with(doc, script, sizes):
    run_script(doc, "D-x", script)
    assert [height_at(doc, offset) for offset in range(4)] == sizes
    assert [doc.range_at(offset, 1).CharCaseMap == SMALLCAPS for offset in range(4)] == \
        [size == 9.6 for size in sizes]


def test_the_style_takes_its_size_from_the_default_paragraph_style(doc):
    styles = doc.document.getStyleFamilies()
    styles.getByName("ParagraphStyles").getByName("Standard").CharHeight = 15
    run_script(doc, "L", "=0\n=1\nChemical Small\n")
    style = styles.getByName("CharacterStyles").getByName("Chemical Small")
    assert (style.CharCaseMap, round(style.CharHeight, 1)) == (SMALLCAPS, 12)


def test_a_style_of_small_capitals_alone_gets_the_smaller_size(doc):
    styles = doc.document.getStyleFamilies().getByName("CharacterStyles")
    old = doc.document.createInstance("com.sun.star.style.CharacterStyle")
    styles.insertByName("Chemical Small", old)
    old.CharCaseMap = SMALLCAPS
    run_script(doc, "L", "=0\n=1\nChemical Small\n")
    assert round(styles.getByName("Chemical Small").CharHeight, 1) == 9.6


def test_a_style_of_the_users_own_size_is_left_alone(doc):
    styles = doc.document.getStyleFamilies().getByName("CharacterStyles")
    own = doc.document.createInstance("com.sun.star.style.CharacterStyle")
    styles.insertByName("Chemical Small", own)
    own.CharCaseMap = SMALLCAPS
    own.CharHeight = 7
    run_script(doc, "L", "=0\n=1\nChemical Small\n")
    assert round(styles.getByName("Chemical Small").CharHeight, 1) == 7
