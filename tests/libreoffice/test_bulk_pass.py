"""Format > Chemistry > Everything in Selection and … in Document: body text, tables and
footnotes formatted as the reference document formats each paragraph; one undo step; cancel and
a second pass leave nothing behind; a generated 50-page manuscript saved and reloaded."""

import glyphwright
import pytest
from com.sun.star.accessibility.AccessibleRole import PUSH_BUTTON
from com.sun.star.util import CloseVetoException, XModifyListener
from glyphwright_writer.dialog_model import TopWindowWatcher

import manuscript
from manuscript import expected_chars, looks_of
from writer_doc import Char, WriterDoc

# The footnote's mark follows CuSO4: it reads as its number, 1, and must not make it CuSO41.
MARKED = "We dissolved CuSO4"
BODY = (MARKED + " in water and added 2 equiv of Fe3+ at 25 °C (Table 2).",
        "As expected, (R)-2-methylbutanoic acid gave N,N-dimethylformamide adducts.",
        "Under N2, 2 H2 + O2 → 2 H2O; see J. Am. Chem. Soc. 1999, 121, 1234.")
CELLS = ("SO42- in the 1H NMR (CDCl3) spectrum", "A549 cells, COVID-19, In 2019")
FOOTNOTE = "Angew. Chem. Int. Ed. 2005, 44, 3275 and the CO2 data."


def plain(text):
    return [Char(char) for char in text]


def make_paper(doc):
    """Three body paragraphs, a table of one row after the second, a footnote after the first."""
    manuscript.append(doc.document, MARKED)
    manuscript.add_footnote(doc.document, FOOTNOTE)
    manuscript.append(doc.document, BODY[0][len(MARKED):] + "\r" + BODY[1])
    manuscript.add_table(doc.document, CELLS)
    manuscript.append(doc.document, BODY[2])


def texts_and_looks(doc):
    """(text, characters) of every non-empty paragraph: body and table cells, then footnotes."""
    found = []
    for paragraph in manuscript.every_paragraph(doc.document):
        text = paragraph.getString()
        if text:
            found.append((text, looks_of(paragraph)))
    return found


WITH_MARK = MARKED + "1" + BODY[0][len(MARKED):]
PAPER = [WITH_MARK, BODY[1], CELLS[0], CELLS[1], BODY[2], FOOTNOTE]
MARKS = {WITH_MARK: [len(MARKED)]}


def expected_paper(before):
    """The reference's answer for each paragraph of the paper, from its looks before the pass."""
    return [manuscript.expected_with_marks(text, MARKS.get(text, ()), looks)
            for text, looks in before]


def test_the_paper_is_read_in_order(doc):
    make_paper(doc)
    assert [text for text, _ in texts_and_looks(doc)] == PAPER


def test_the_document_pass_formats_body_table_and_footnote_in_one_undo_step(doc):
    make_paper(doc)
    doc.document.setModified(False)
    before = texts_and_looks(doc)
    undo = doc.document.getUndoManager()
    steps = len(undo.getAllUndoActionTitles())

    assert doc.dispatch("EverythingInDocument") == ""

    after = texts_and_looks(doc)
    assert [looks for _, looks in after] == expected_paper(before)
    assert [text for text, _ in after] == PAPER
    assert len(undo.getAllUndoActionTitles()) == steps + 1
    assert undo.getCurrentUndoActionTitle() == "Chemistry in document"
    # Some spot checks that the reference agrees with the chemistry.
    assert "".join(char.char for char in after[0][1] if char.sub) == "4"
    assert [char for char in after[3][1] if repr(char) != repr(Char(char.char))] == []

    undo.undo()
    assert texts_and_looks(doc) == before
    assert not doc.document.isModified()


def test_the_selection_pass_formats_only_what_is_selected(doc):
    make_paper(doc)
    before = dict(texts_and_looks(doc))
    # From "dissolved" in the first paragraph to "acid" in the second: the footnote's mark is
    # inside, the table and the third paragraph are not.
    first, second = manuscript.every_paragraph(doc.document)[:2]
    start = WITH_MARK.index("dissolved")
    end = BODY[1].index("acid") + len("acid")
    selection = doc.text.createTextCursorByRange(first.getStart())
    selection.goRight(start, False)
    finish = doc.text.createTextCursorByRange(second.getStart())
    finish.goRight(end, False)
    selection.gotoRange(finish, True)
    doc.document.getCurrentController().select(selection)

    assert doc.dispatch("EverythingInSelection") == ""

    found = dict(texts_and_looks(doc))
    assert found[WITH_MARK] == manuscript.expected_with_marks(
        WITH_MARK, MARKS[WITH_MARK], before[WITH_MARK], start=start)
    assert found[BODY[1]] == expected_chars(BODY[1][:end], after=BODY[1][end:])
    assert found[BODY[1]][end:] == plain(BODY[1][end:])
    assert found[FOOTNOTE] == expected_chars(FOOTNOTE)
    assert found[FOOTNOTE] != plain(FOOTNOTE)
    for untouched in (CELLS[0], CELLS[1], BODY[2]):
        assert found[untouched] == plain(untouched), untouched
    assert [repr(char) for char in found[WITH_MARK][13:18]] == ["C", "u", "S", "O", "4 sub"]


def test_selected_table_cells_are_formatted(doc):
    make_paper(doc)
    table = doc.document.getTextTables().getByIndex(0)
    cells = table.createCursorByCellName("A1")
    cells.goRight(1, True)
    doc.document.getCurrentController().select(cells)

    assert doc.dispatch("EverythingInSelection") == ""

    found = dict(texts_and_looks(doc))
    assert found[CELLS[0]] == expected_chars(CELLS[0])
    assert found[CELLS[0]] != plain(CELLS[0])
    assert found[BODY[2]] == plain(BODY[2])


def test_endnotes_are_part_of_the_document(doc):
    manuscript.append(doc.document, "See the note.")
    note = doc.document.createInstance("com.sun.star.text.Endnote")
    doc.text.insertTextContent(doc.text.getEnd(), note, False)
    note.setString("Made from CO2 and SO42-.")

    assert doc.dispatch("EverythingInDocument") == ""

    [paragraph] = manuscript.paragraphs(doc.document.getEndnotes().getByIndex(0))
    assert looks_of(paragraph) == expected_chars("Made from CO2 and SO42-.")
    assert looks_of(paragraph) != plain("Made from CO2 and SO42-.")


def test_without_a_selection_the_user_is_told_to_select(doc):
    make_paper(doc)
    before = texts_and_looks(doc)
    assert doc.dispatch("EverythingInSelection") == "Select the text to format first."
    assert texts_and_looks(doc) == before


def test_a_failure_in_the_middle_of_the_pass_is_undone(doc, monkeypatch):
    from glyphwright_writer import bulk_pass, settings
    from glyphwright_writer.writer_executer import WriterExecuter

    make_paper(doc)
    doc.document.setModified(False)
    before = texts_and_looks(doc)
    undo = doc.document.getUndoManager()
    steps = undo.getAllUndoActionTitles()

    def broken(self, Index, Length, flag):
        raise RuntimeError("The ink ran out.")
    # CuSO4 is lowered by then; the failure comes at the charge of Fe3+.
    monkeypatch.setattr(WriterExecuter, "SetSuperscript", broken)
    with pytest.raises(glyphwright.AutomationError) as failure:
        bulk_pass.run(doc.document, bulk_pass.SCOPES["EverythingInDocument"], settings.DEFAULTS)

    assert failure.value.description == "The ink ran out."
    assert texts_and_looks(doc) == before
    assert not doc.document.isModified()
    assert undo.getAllUndoActionTitles() == steps and not undo.isRedoPossible()


def test_twice_changes_nothing_more_and_hand_formatting_stays(doc):
    text = "The H2O2 was added to SO42- and Fe3+ in CDCl3, then 2 H2 + O2 → 2 H2O."
    doc.write(text)
    # By hand: the first 2 of H2O2 raised, the 3 of Fe3+ lowered; the pass would do the opposite.
    hand = [(text.index("H2O2") + 1, "sup"), (text.index("Fe3+") + 2, "sub")]
    for offset, look in hand:
        doc.range_at(offset, 1).setPropertyValues(
            ("CharEscapement", "CharEscapementHeight", "CharAutoEscapement"),
            (33 if look == "sup" else -33, 58, True))

    assert doc.dispatch("EverythingInDocument") == ""
    once = doc.chars()
    assert once[:-1] == expected_chars(text, hand=hand)
    assert repr(once[text.index("H2O2") + 1]) == "2 sup"
    assert repr(once[text.index("H2O2") + 3]) == "2 sub"
    assert repr(once[text.index("Fe3+") + 2]) == "3 sub"

    assert doc.dispatch("EverythingInDocument") == ""
    assert doc.chars() == once


def test_a_field_is_read_as_blanks_and_keeps_its_looks(doc):
    """A field shows text but is one character of the document: the pass neither formats it nor
    lets it join the formula next to it, and the places after it are still found."""
    before_field, after_field = "Dissolve CO2 in ", " and then Fe3+ with H2SO4."
    manuscript.append(doc.document, before_field)
    field = doc.document.createInstance("com.sun.star.text.textfield.Input")
    field.Content = "H2O"
    doc.text.insertTextContent(doc.text.getEnd(), field, False)
    manuscript.append(doc.document, after_field)
    text = before_field + "H2O" + after_field
    [(shown, looks_before)] = texts_and_looks(doc)
    assert shown == text

    assert doc.dispatch("EverythingInDocument") == ""

    [(_, looks)] = texts_and_looks(doc)
    field_units = range(len(before_field), len(before_field) + 3)
    assert looks == manuscript.expected_with_marks(text, field_units, looks_before)
    assert [repr(char) for char in looks[field_units[0]:field_units[-1] + 1]] == ["H", "2", "O"]
    assert "".join(char.char for char in looks if char.sub) == "224"


class _CancelOnFirstChange(TopWindowWatcher, XModifyListener):
    """Plays the user: when the pass's progress dialog opens, keeps its window; when the pass
    first changes the document, tries to close the document and to start another job, then
    presses the dialog's Cancel button."""

    def __init__(self, doc):
        self.doc = doc
        self.window = None
        self.pressed = False
        self.close_refused = False
        self.second_job = None

    def windowOpened(self, event):
        if self.window is None:
            self.window = event.Source

    def modified(self, event):
        if self.pressed or self.window is None:
            return
        try:
            event.Source.close(False)
        except CloseVetoException:
            self.close_refused = True
        self.second_job = self.doc.dispatch_here("Formula")
        context = self.window.getAccessibleContext()
        for index in range(context.getAccessibleChildCount()):
            child = context.getAccessibleChild(index).getAccessibleContext()
            if child.getAccessibleRole() == PUSH_BUTTON and child.getAccessibleName() == "Cancel":
                child.doAccessibleAction(0)
                self.pressed = True
                return


def test_cancel_leaves_the_document_as_it_was(office, doc):
    paper = manuscript.Manuscript(rounds=1)
    paper.write(doc.document)
    doc.document.setModified(False)
    before = texts_and_looks(doc)
    undo = doc.document.getUndoManager()
    # Writing the paper filled the undo list to its limit, where one more step drops the oldest.
    undo.clear()
    user = _CancelOnFirstChange(doc)
    toolkit = office.ctx.ServiceManager.createInstanceWithContext(
        "com.sun.star.awt.Toolkit", office.ctx)
    toolkit.addTopWindowListener(user)
    doc.document.addModifyListener(user)
    try:
        message = doc.dispatch("EverythingInDocument")
    finally:
        doc.document.removeModifyListener(user)
        toolkit.removeTopWindowListener(user)

    assert user.pressed, "the progress dialog with its Cancel button did not show"
    assert user.close_refused, "the document could be closed under the pass"
    assert user.second_job == ("Chemistry formatting is still running in this document. "
                               "Wait for it to finish.")
    assert doc.document.getCurrentController().getFrame().getComponentWindow().isEnabled()
    assert message == "The formatting was cancelled. The document is as it was."
    assert texts_and_looks(doc) == before
    assert not doc.document.isModified()
    assert not undo.isUndoPossible() and not undo.isRedoPossible()


def written_paragraphs(doc):
    """The non-empty paragraphs of a document in reading order, notes last."""
    return [paragraph for paragraph in manuscript.every_paragraph(doc.document)
            if paragraph.getString()]


def test_a_fifty_page_manuscript_saved_and_reloaded(office, doc, tmp_path, capsys):
    paper = manuscript.Manuscript(rounds=7)
    paper.write(doc.document)
    generated = tmp_path / "manuscript.odt"
    doc.store(str(generated), "writer8")
    written = paper.paragraphs()
    # Compared in full: the text of every paragraph; the looks of every trap paragraph, table
    # cell and footnote, of every twentieth paragraph and of some with a footnote's mark.
    marked = [index for index, (_, marks) in enumerate(written) if marks]
    whole = set(paper.cells()) | set(paper.notes())
    sample = sorted(set(range(0, len(written), 20)) | set(marked[::5]) |
                    {index for index, (text, _) in enumerate(written) if text in whole})
    trap_texts = set(paper.trap_paragraphs)
    loaded = WriterDoc(office, office.load(str(generated)))
    try:
        pages = loaded.document.getCurrentController().PageCount
        assert pages >= 50
        paragraphs = written_paragraphs(loaded)
        assert [paragraph.getString() for paragraph in paragraphs] == paper.texts()
        before = {index: looks_of(paragraphs[index]) for index in marked[::5]}
        assert loaded.dispatch("EverythingInDocument") == ""
        formatted = tmp_path / "formatted.odt"
        loaded.store(str(formatted), "writer8")
    finally:
        loaded.close()
    reloaded = WriterDoc(office, office.load(str(formatted)))
    try:
        paragraphs = written_paragraphs(reloaded)
        texts = [paragraph.getString() for paragraph in paragraphs]
        traps = [looks_of(paragraphs[index]) for index, (text, _) in enumerate(written)
                 if text in trap_texts]
        looks = {index: looks_of(paragraphs[index]) for index in sample}
    finally:
        reloaded.close()

    expected = [manuscript.expected_with_marks(text, marks, before.get(index))
                for index, (text, marks) in enumerate(written)]
    assert texts == ["".join(char.char for char in chars) for chars in expected]
    for index, chars in looks.items():
        assert chars == expected[index], written[index][0]
    assert len(traps) == len(paper.trap_paragraphs)
    for chars in traps:
        assert [char for char in chars if char != Char(char.char)] == []
    # The sample holds items of every kind, formatted.
    sampled = [char for chars in looks.values() for char in chars]
    for kind in ("sub", "sup", "italic", "bold", "small"):
        assert any(getattr(char, kind) for char in sampled), kind
    with capsys.disabled():
        print(f"\n[timing] Everything in Document on a {pages}-page manuscript "
              f"({len(texts)} paragraphs, {sum(len(text) for text in texts)} characters): "
              f"{loaded.last_elapsed:.2f} s")
