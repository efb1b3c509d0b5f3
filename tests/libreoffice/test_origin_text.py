"""Copies and places taken from the selection as the query read it leave what the same script
leaves when every copy and place is asked of the document: the same characters with the same
attributes, a reader's and a save's (font, size, colour, links, styles), for selections that
carry direct formatting, fields and bookmarks. And a job whose script fails after pieces were
gathered, pasted and put in leaves the document as it was."""

import glyphwright
import pytest
from com.sun.star.awt.FontSlant import ITALIC
from com.sun.star.awt.FontUnderline import SINGLE
from com.sun.star.awt.FontWeight import BOLD

from glyphwright_writer.origin_text import OriginText
from glyphwright_writer.script_run import run_script
from glyphwright_writer.writer_executer import WriterExecuter
from test_plain_clip import format_source, looks
from writer_doc import WriterDoc

TEXT = "ab cd ef gh"

# After the selection: a bracket, each copy pasted with typing and an italic piece between them,
# a format inside the selection and a copy after it (asked of the document by then).
COPIES = ("=EndOfSelection\nGoTo\n=[\nTypeText\n=0\n=2\nCopy\nPaste\n=J\n=Italic\nTypeStyledText\n"
          "=3\n=5\nCopy\nPaste\n=, \nTypeText\n=9\n=2\nCopy\nPaste\n=]\nTypeText\n"
          "=1\n=1\nSubscript\n=0\n=4\nCopy\nPaste\n")
# Places in the selection found while it stands, then a cut of all of it.
PLACES = ("=EndOfSelection\nGoTo\n=x\nTypeText\n=1\n=1\nSuperscript\n=4\n=2\nBold\n"
          "=6\nGoTo\n=y\nTypeText\n=0\n=3\nCut\n=EndOfSelection\nGoTo\nPaste\n")

SETUPS = [
    # id, attributes set before the run (start, length, property, value)
    ("plain", []),
    ("italic and bold", [(0, 1, "CharPosture", ITALIC), (3, 2, "CharWeight", BOLD)]),
    ("a subscript", [(1, 1, "CharEscapement", -33)]),
    ("a coloured character", [(4, 1, "CharColor", 0xFF0000)]),
    ("an underlined word", [(3, 2, "CharUnderline", SINGLE)]),
    ("a larger character", [(6, 1, "CharHeight", 20.0)]),
    ("a hyperlink", [(0, 2, "HyperLinkURL", "https://example.org/")]),
    ("a character style", [(6, 2, "CharStyleName", "Emphasis")]),
    ("small capitals", [(9, 2, "CharCaseMap", 4)]),
    ("hidden text", [(3, 2, "CharHidden", True)]),
]


def run(office, setup, script, with_origin, extra=None):
    doc = WriterDoc(office, office.new_writer())
    try:
        doc.write(TEXT + " after")
        format_source(doc, setup)
        if extra is not None:
            extra(doc)
        doc.select_text(TEXT)
        selected = doc.document.getCurrentController().getSelection().getByIndex(0)
        origin = OriginText(selected) if with_origin else None
        executer = WriterExecuter(doc.document, selected, batched=True, origin=origin)
        run_script(script, executer)
        executer.finish()
        return doc.plain_text(), looks(doc)
    finally:
        doc.close()


@pytest.mark.parametrize("script", [COPIES, PLACES], ids=["copies", "places"])
@pytest.mark.parametrize("setup", [pytest.param(case[1], id=case[0]) for case in SETUPS])
def test_the_origin_leaves_what_the_document_leaves(office, setup, script):
    assert run(office, setup, script, True) == run(office, setup, script, False)


def add_bookmark(doc):
    bookmark = doc.document.createInstance("com.sun.star.text.Bookmark")
    bookmark.setName("Mark")
    doc.text.insertTextContent(doc.range_at(3, 2), bookmark, True)


def add_field(doc):
    field = doc.document.createInstance("com.sun.star.text.TextField.PageNumber")
    doc.text.insertTextContent(doc.range_at(5, 0), field, False)


@pytest.mark.parametrize("extra", [add_bookmark, add_field], ids=["bookmark", "field"])
@pytest.mark.parametrize("script", [COPIES, PLACES], ids=["copies", "places"])
def test_bookmarks_and_fields_in_the_selection(office, script, extra):
    assert run(office, [], script, True, extra) == run(office, [], script, False, extra)


def test_the_selection_as_the_query_reads_it(doc):
    doc.write("a\rbc\r\rd ")
    doc.select_text("a\rbc\r\rd")
    selected = doc.document.getCurrentController().getSelection().getByIndex(0)
    origin = OriginText(selected)
    assert origin.text == "a\rbc\r\rd"
    assert origin.stands()


def test_an_edit_after_the_selection_keeps_it_and_one_inside_ends_it(doc):
    doc.write("abc def")
    doc.select_text("abc")
    selected = doc.document.getCurrentController().getSelection().getByIndex(0)
    origin = OriginText(selected)
    at_end = doc.range_at(3, 0)
    origin.edited_at(at_end)
    doc.text.insertString(at_end, "XY", False)  # typed at the selection's end
    assert origin.stands()
    assert origin.clip(None, 0, 3, None).text == "abc"
    assert origin.cursor_at(3).getText().compareRegionStarts(origin.cursor_at(3),
                                                             doc.range_at(3, 0)) == 0
    origin.edited_at(doc.range_at(2, 1))  # the selection's last character
    assert not origin.stands()
    assert origin.clip(None, 0, 3, None) is None
    assert origin.cursor_at(1) is None


TABLE = "7.26\t1H\td\t8.0\tH-3\r1.25\t3H\tt\t7.1\tH-5"


def test_a_job_that_fails_after_its_pieces_went_in_is_undone(doc, monkeypatch):
    from glyphwright_writer import jobs, settings

    doc.write("1H NMR (CDCl3) δ\r" + TABLE + "\rNext paragraph.")
    doc.select_text(TABLE)
    doc.document.setModified(False)
    before = doc.chars()
    undo = doc.document.getUndoManager()
    steps = undo.getAllUndoActionTitles()
    put = WriterExecuter._put_typing
    done = []

    def broken(self, Start, Length):
        # The list, its copied assignments included, is in the document by then.
        put(self)
        done.append(doc.plain_text())
        raise RuntimeError("The keyboard fell off.")
    monkeypatch.setattr(WriterExecuter, "CutText", broken)
    with pytest.raises(glyphwright.AutomationError):
        jobs.run(doc.document, jobs.JOBS["NmrTableToList"], settings.DEFAULTS)

    assert "H-3), 1.25" in done[0]
    assert doc.chars() == before
    assert not doc.document.isModified()
    assert undo.getAllUndoActionTitles() == steps and not undo.isRedoPossible()
