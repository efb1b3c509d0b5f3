"""A plain copy and paste, made without Writer's transferable, leaves every character with the
attributes the transferable's paste leaves, and is taken only where that holds: a copied range
with a field, a paragraph break or a direct attribute the runs do not keep takes the
transferable."""

import pytest
from com.sun.star.awt.FontSlant import ITALIC
from com.sun.star.awt.FontUnderline import SINGLE
from com.sun.star.awt.FontWeight import BOLD

from glyphwright_writer.clip import Clip, plain_property_names
from glyphwright_writer.writer_executer import WriterExecuter
from writer_doc import WriterDoc

# What a reader or a later save could tell apart.
COMPARED = ("CharFontName", "CharHeight", "CharWeight", "CharPosture", "CharEscapement",
            "CharEscapementHeight", "CharAutoEscapement", "CharCaseMap", "CharStyleName",
            "CharColor", "CharUnderline", "CharBackColor", "CharLocale", "HyperLinkURL",
            "CharHeightAsian", "CharWeightComplex")

TEXT = "ab cd ef gh"


def format_source(doc, setup):
    for start, length, name, value in setup:
        doc.range_at(start, length).setPropertyValue(name, value)


def looks(doc):
    found = []
    enumeration = doc.text.createEnumeration()
    while enumeration.hasMoreElements():
        portions = enumeration.nextElement().createEnumeration()
        while portions.hasMoreElements():
            portion = portions.nextElement()
            values = portion.getPropertyValues(COMPARED)
            for char in portion.getString():
                found.append((char,) + tuple(
                    (value.Language, value.Country) if name == "CharLocale" else value
                    for name, value in zip(COMPARED, values)))
    return found


def copy_and_paste(doc, setup, copy, paste_at, plain):
    """Copies [copy) of TEXT and pastes it at paste_at; answers the clip's kind and the looks."""
    doc.write(TEXT)
    format_source(doc, setup)
    doc.select_text(TEXT)
    selected = doc.document.getCurrentController().getSelection().getByIndex(0)
    executer = WriterExecuter(doc.document, selected)
    names = plain_property_names(executer.cursor) if plain else None
    clip = Clip.of_range(executer.controller, executer.positions.range_of(*copy), names)
    cursor = executer.positions.cursor_at(paste_at)
    clip.paste(executer.controller, executer.positions, cursor)
    return clip.transferable is None, looks(doc)


CASES = [
    # id, attributes set before the copy (start, length, property, value), copied range, paste at
    ("plain text", [], (0, 2), 5),
    ("modelled attributes", [(0, 1, "CharPosture", ITALIC), (1, 1, "CharWeight", BOLD)],
     (0, 2), 5),
    ("pasted into italic text", [(3, 5, "CharPosture", ITALIC)], (0, 2), 5),
    ("pasted after underlined text", [(3, 2, "CharUnderline", SINGLE)], (9, 2), 5),
    ("pasted after a coloured character", [(4, 1, "CharColor", 0xFF0000)], (0, 2), 5),
    ("pasted after a larger character", [(4, 1, "CharHeight", 20.0)], (0, 2), 5),
    ("subscript copied into a subscript", [(1, 1, "CharEscapement", -33),
                                           (4, 1, "CharEscapement", -33)], (0, 2), 5),
    ("pasted at the start of the text", [(0, 1, "CharWeight", BOLD)], (3, 2), 0),
    ("pasted at the end of the text", [(10, 1, "CharPosture", ITALIC)], (0, 2), 11),
]


@pytest.mark.parametrize("setup, copy, paste_at",
                         [pytest.param(*case[1:], id=case[0]) for case in CASES])
def test_plain_paste_looks_as_the_transferable_paste(office, setup, copy, paste_at):
    results = []
    for plain in (False, True):
        doc = WriterDoc(office, office.new_writer())
        try:
            results.append(copy_and_paste(doc, setup, copy, paste_at, plain))
        finally:
            doc.close()
    (_, by_transferable), (went_plain, by_typing) = results
    assert went_plain
    assert by_typing == by_transferable


TRANSFERABLE_CASES = [
    ("a coloured character", [(1, 1, "CharColor", 0x0000FF)], (0, 2)),
    ("an underlined character", [(0, 1, "CharUnderline", SINGLE)], (0, 2)),
    ("a larger character", [(1, 1, "CharHeight", 20.0)], (0, 2)),
    ("a hyperlink", [(0, 2, "HyperLinkURL", "https://example.org/")], (0, 2)),
    ("a character style", [(0, 2, "CharStyleName", "Emphasis")], (0, 2)),
]


@pytest.mark.parametrize("setup, copy",
                         [pytest.param(*case[1:], id=case[0]) for case in TRANSFERABLE_CASES])
def test_other_direct_attributes_take_the_transferable(doc, setup, copy):
    went_plain, _ = copy_and_paste(doc, setup, copy, 5, plain=True)
    assert not went_plain


def test_a_paragraph_break_takes_the_transferable(doc):
    doc.write("ab\rcd")
    doc.select_text("ab\rcd")
    selected = doc.document.getCurrentController().getSelection().getByIndex(0)
    executer = WriterExecuter(doc.document, selected)
    clip = Clip.of_range(executer.controller, executer.positions.range_of(1, 3),
                         plain_property_names(executer.cursor))
    assert clip.transferable is not None


def test_a_field_takes_the_transferable(doc):
    doc.write("ab ")
    field = doc.document.createInstance("com.sun.star.text.TextField.PageNumber")
    end = doc.text.getEnd()
    doc.text.insertTextContent(end, field, False)
    doc.write(" cd")
    doc.select_text(doc.plain_text())
    selected = doc.document.getCurrentController().getSelection().getByIndex(0)
    executer = WriterExecuter(doc.document, selected)
    clip = Clip.of_range(executer.controller, executer.positions.range_of(2, 3),
                         plain_property_names(executer.cursor))
    assert clip.transferable is not None
