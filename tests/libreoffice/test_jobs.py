"""Each Chemistry job through the extension's own entry point (the command the menu and the
shortcuts dispatch), on real selections inside longer paragraphs; saved as .odt and .docx and
read back."""

import re
import zipfile

import glyphwright
import pytest
from com.sun.star.awt.FontSlant import ITALIC

import reference
from writer_doc import Char
from glyphwright_writer.script_run import run_script

SENTENCE = ("Before the run we dissolved ", " in water at 25 °C.\rA second paragraph follows.")


def plain(text):
    return [Char(char) for char in text]


def plain_looks(text):
    return [repr(Char(char)) for char in text]


def looks(doc, part, occurrence=0):
    """The characters of one occurrence of part, as repr strings."""
    chars = doc.chars()
    whole = "".join("\r" if char.paragraph is not None else char.char for char in chars)
    index = -1
    for _ in range(occurrence + 1):
        index = whole.index(part, index + 1)
    return [repr(char) for char in chars[index:index + len(part)]]


def saved_and_reloaded(office, doc, tmp_path, filter_name, suffix):
    path = tmp_path / f"document{suffix}"
    doc.store(str(path), filter_name)
    reloaded = office.load(str(path))
    try:
        from writer_doc import WriterDoc
        return path, WriterDoc(office, reloaded).chars()
    finally:
        reloaded.close(True)


def xml_of(path, member):
    with zipfile.ZipFile(path) as archive:
        return archive.read(member).decode("utf-8")


def test_formula_in_a_sentence_is_saved_and_read_back(office, doc, tmp_path):
    doc.write(SENTENCE[0] + "H2SO4" + SENTENCE[1])
    doc.select_text("H2SO4")

    assert doc.dispatch("Formula") == ""

    assert looks(doc, "H2SO4") == ["H", "2 sub", "S", "O", "4 sub"]
    formatted = doc.chars()
    assert [char for char in formatted if char.sub] == [Char("2", sub=True), Char("4", sub=True)]
    assert doc.selected_text() == "H2SO4"  # the user's selection stays

    odt, from_odt = saved_and_reloaded(office, doc, tmp_path, "writer8", ".odt")
    assert from_odt == formatted
    assert len(re.findall(r'style:text-position="sub 58%"', xml_of(odt, "content.xml"))) >= 1

    docx, from_docx = saved_and_reloaded(office, doc, tmp_path, "MS Word 2007 XML", ".docx")
    assert from_docx == formatted
    assert '<w:vertAlign w:val="subscript"/>' in xml_of(docx, "word/document.xml")


def test_ion_charges_are_raised_in_odt_and_docx(office, doc, tmp_path):
    doc.write(SENTENCE[0] + "Fe3+ and SO42-" + SENTENCE[1])
    doc.select_text("SO42-")

    assert doc.dispatch("Ion") == ""

    assert looks(doc, "Fe3+ and SO42-") == plain_looks("Fe3+ and SO") + ["4 sub", "2 sup", "- sup"]
    formatted = doc.chars()
    odt, from_odt = saved_and_reloaded(office, doc, tmp_path, "writer8", ".odt")
    assert from_odt == formatted
    assert 'style:text-position="super 58%"' in xml_of(odt, "content.xml")
    docx, from_docx = saved_and_reloaded(office, doc, tmp_path, "MS Word 2007 XML", ".docx")
    assert from_docx == formatted
    assert '<w:vertAlign w:val="superscript"/>' in xml_of(docx, "word/document.xml")


def test_name_and_journal_formatting_survive_docx(office, doc, settings, tmp_path):
    settings(ItalicCommand="Chemical Italic", SmallCommand="Chemical Small")
    doc.write("We made (R)-2-butanol and D-glucose, see J. Am. Chem. Soc. 1999, 121, 1234. Done.")
    doc.select_text("(R)-2-butanol and D-glucose")
    assert doc.dispatch("Name") == ""
    doc.select_text("J. Am. Chem. Soc. 1999, 121, 1234.")
    assert doc.dispatch("Journal") == ""

    assert looks(doc, "(R)") == ["(", "R italic <Chemical Italic>", ")"]
    assert looks(doc, "D-g") == ["D small <Chemical Small>", "-", "g"]
    assert looks(doc, "Soc. 1999") == ["S italic", "o italic", "c italic", ". italic", " ",
                                       "1 bold", "9 bold", "9 bold", "9 bold"]
    formatted = doc.chars()
    for filter_name, suffix in (("writer8", ".odt"), ("MS Word 2007 XML", ".docx")):
        _, reloaded = saved_and_reloaded(office, doc, tmp_path, filter_name, suffix)
        assert reloaded == formatted, suffix


def test_digit_cycling_steps_plain_subscript_superscript_plain(doc):
    doc.write(SENTENCE[0] + "C6H12O6" + SENTENCE[1])
    doc.select_text("C6H12O6")

    steps = []
    for _ in range(3):
        assert doc.dispatch("CycleDigits") == ""
        assert doc.selected_text() == "C6H12O6"
        steps.append(looks(doc, "C6H12O6"))

    assert steps == [
        ["C", "6 sub", "H", "1 sub", "2 sub", "O", "6 sub"],
        ["C", "6 sup", "H", "1 sup", "2 sup", "O", "6 sup"],
        ["C", "6", "H", "1", "2", "O", "6"],
    ]


def test_formula_after_characters_outside_the_bmp(doc):
    before, after = "𝐀𝐁 mixed with ", " and 𝐂."
    doc.write(before + "CH3C#CCH3" + after)
    doc.select_text("CH3C#CCH3")

    assert doc.dispatch("Formula") == ""

    assert doc.chars() == reference.formatted(before, "CH3C#CCH3", after, "ChemFormulaQuery")
    assert "CH3C≡CCH3" in doc.plain_text()


NMR_LIST = "1H NMR (CDCl3) δ 7.26 (1H, d, J = 8.0 Hz, H-3), 1.25 (3H, s)."


def test_nmr_list_to_table_and_back_in_writer(doc):
    before, after = "Data: ", "\rNext paragraph."
    doc.write(before + NMR_LIST + after)
    doc.select_text(NMR_LIST)
    expected = glyphwright.Document(before, NMR_LIST, after)

    assert doc.dispatch("NmrListToTable") == ""

    rows = "7.26\t1H\td\t8.0\tH-3\r1.25\t3H\ts\t\t"
    # The rows end where the marker was typed: an empty paragraph stays behind them.
    assert doc.plain_text() == "Data: 1H NMR (CDCl3) δ \r" + rows + "\r\rNext paragraph."
    assert doc.selected_text() == rows.replace("\r", "\n") + "\n"
    run(expected, "NMRSpecFormRQuery")
    assert doc.chars() == reference.chars_of(expected)

    assert doc.dispatch("NmrTableToList") == ""

    run(expected, "NMRSpecFormQuery")
    assert doc.chars() == reference.chars_of(expected)
    assert doc.plain_text() == ("Data: 1H NMR (CDCl3) δ 7.26 (1H, d, J = 8.0 Hz, H-3), "
                                "1.25 (3H, s). \rNext paragraph.")
    assert looks(doc, "J = 8.0")[0] == "J italic"


def run(document, query_class, **properties):
    """Runs a query on the reference document's current selection."""
    query = getattr(glyphwright, query_class)()
    for name, value in properties.items():
        setattr(query, name, value)
    run_script(query.GetCommands(document.BeginQuery()), document)


@pytest.mark.parametrize("command, text, message", [
    ("NmrListToTable", "δ 7.26 (1H, s); 1.25 (3H, s).",
     "The selection is not an NMR peak list that can be read. Missing comma. "
     "(at offset 14: «…7.26 (1H, s); 1.25 (3H, …»)"),
    ("NmrRestyle", "δ 7.26 (1H, s) 1.25 (3H, s).", "Missing comma at offset 15."),
    ("NmrTableToList", "7.26\t1H\ts\r7.2a\t3H\ts", "Chemical shift is missing."),
])
def test_a_failing_nmr_job_leaves_the_document_unchanged(doc, command, text, message):
    doc.write("Data: " + text + "\rNext paragraph.")
    doc.select_text(text)
    doc.document.setModified(False)
    before = doc.chars()
    undo = doc.document.getUndoManager()
    steps = undo.getAllUndoActionTitles()

    assert doc.dispatch(command) == message

    assert doc.chars() == before
    assert not doc.document.isModified()
    assert undo.getAllUndoActionTitles() == steps and not undo.isRedoPossible()


ACS_LIST = ("1H NMR (400 MHz, CDCl3) δ 1.25 (s, 3H), 7.26 (d, J = 8 Hz, 1H, H-3), "
            "7.35–7.20 (m, 5H).")


@pytest.mark.parametrize("style", ["ACS", "RSC", "Wiley"])
def test_nmr_data_restyled_in_writer_as_in_the_reference_document(doc, settings, style):
    settings(Style=style)
    before, after = "Data: ", " Found: C, 70.1.\rNext paragraph."
    doc.write(before + ACS_LIST + after)
    # The assignment in italics: the restyled list keeps it so.
    doc.select_text("H-3")
    doc.document.getCurrentController().getSelection().getByIndex(0).CharPosture = ITALIC
    doc.select_text(ACS_LIST)

    assert doc.dispatch("NmrRestyle") == ""

    expected = glyphwright.Document(before, ACS_LIST, after)
    expected.SetStyle(ACS_LIST.index("H-3"), 3, "Italic")
    run(expected, "NMRStyleQuery", Style=style)
    assert doc.chars() == reference.chars_of(expected)
    assert doc.selected_text() == expected.SelectedText()
    assert looks(doc, "H-3") == ["H italic", "- italic", "3 italic"]


def test_a_failure_while_the_script_runs_is_undone(doc, monkeypatch):
    from glyphwright_writer import jobs, settings
    from glyphwright_writer.writer_executer import WriterExecuter

    table = "7.26\t1H\td\t8.0\r1.25\t3H\tt\t7.1"
    doc.write("1H NMR (CDCl3) δ\r" + table + "\rNext paragraph.")
    doc.select_text(table)
    doc.document.setModified(False)
    before = doc.chars()
    undo = doc.document.getUndoManager()
    steps = undo.getAllUndoActionTitles()

    def broken(self):
        raise RuntimeError("The keyboard fell off.")
    # The list is typed by then; the failure comes at its first backspace.
    monkeypatch.setattr(WriterExecuter, "TypeBackspace", broken)
    with pytest.raises(glyphwright.AutomationError) as failure:
        jobs.run(doc.document, jobs.JOBS["NmrTableToList"], settings.DEFAULTS)

    assert failure.value.description == "The keyboard fell off."
    assert doc.chars() == before
    assert not doc.document.isModified()
    assert undo.getAllUndoActionTitles() == steps and not undo.isRedoPossible()


def test_a_job_is_one_undo_step(doc):
    doc.write(NMR_LIST)
    doc.select_text(NMR_LIST)
    before = doc.chars()
    undo = doc.document.getUndoManager()
    steps = len(undo.getAllUndoActionTitles())

    assert doc.dispatch("NmrListToTable") == ""

    assert len(undo.getAllUndoActionTitles()) == steps + 1
    assert undo.getCurrentUndoActionTitle() == "NMR list to table"
    undo.undo()
    assert doc.chars() == before


def test_without_a_selection_the_user_is_told_to_select(doc):
    doc.write("H2O")
    assert doc.dispatch("Formula") == "Select the text to format first."
    assert doc.chars() == plain("H2O") + [Char("\r", paragraph="")]


def test_fifty_peaks_list_to_table_and_back(doc, capsys):
    peaks = ", ".join(f"{8.0 - i * 0.1:.2f} ({i % 3 + 1}H, dd, J = {7.0 + i * 0.1:.1f}, 2.0 Hz, H-{i})"
                      for i in range(50))
    text = f"1H NMR (CDCl3) δ {peaks}."
    before, after = "Data: ", "\rNext paragraph."
    doc.write(before + text + after)
    doc.select_text(text)
    expected = glyphwright.Document(before, text, after)

    assert doc.dispatch("NmrListToTable") == ""
    to_table = doc.last_elapsed
    run(expected, "NMRSpecFormRQuery")
    assert doc.chars() == reference.chars_of(expected)
    assert doc.plain_text().count("\t") == 4 * 50

    assert doc.dispatch("NmrTableToList") == ""
    to_list = doc.last_elapsed
    run(expected, "NMRSpecFormQuery")
    assert doc.chars() == reference.chars_of(expected)

    with capsys.disabled():
        print(f"\n[timing] macro call to finished formatting, 50 peaks: "
              f"NMR list to table {to_table:.2f} s, NMR table to list {to_list:.2f} s")


def test_formula_in_a_table_cell(doc):
    table = doc.document.createInstance("com.sun.star.text.TextTable")
    table.initialize(1, 2)
    doc.text.insertTextContent(doc.text.getEnd(), table, False)
    cell = table.getCellByName("B1")
    cell.setString("Add H2SO4 slowly.")
    cursor = cell.createTextCursor()
    cursor.goRight(4, False)
    cursor.goRight(5, True)
    doc.document.getCurrentController().select(cursor)

    assert doc.dispatch("Formula") == ""

    runs = []
    portions = cell.createEnumeration().nextElement().createEnumeration()
    while portions.hasMoreElements():
        portion = portions.nextElement()
        runs.append((portion.getString(), portion.CharEscapement < 0))
    assert runs == [("Add H", False), ("2", True), ("SO", False), ("4", True),
                    (" slowly.", False)]


def test_a_basic_macro_runs_a_job_through_the_dispatch_helper(office, doc):
    doc.write("We dissolved SO42- ions.")
    doc.select_text("SO42-")
    helper = office.ctx.ServiceManager.createInstanceWithContext(
        "com.sun.star.frame.DispatchHelper", office.ctx)
    helper.executeDispatch(doc.document.getCurrentController().getFrame(),
                           "vnd.glyphwright:Ion", "", 0, ())
    assert looks(doc, "SO42-") == ["S", "O", "4 sub", "2 sup", "- sup"]
