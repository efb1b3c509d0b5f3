"""Characterisation data in Writer: the formatting job, and the checker's findings, each of which
selects its number or formula in the document."""

import glyphwright

from test_jobs import looks

PARAGRAPH = ("White solid; mp 163-165 \u00B0C; Rf 0.45; IR (neat) 1715 cm-1; 1H NMR (400 MHz, "
             "CDCl3) \u03B4 7.26 (d, J = 8.0 Hz, 2H); HRMS (ESI) m/z calcd for C10H13O2 [M+H]+ "
             "165.0925, found 165.0990. Anal. Calcd for C10H12O2: C, 73.15; H, 7.37. Found: C, "
             "72.70; H, 7.40.")


def test_the_job_formats_the_paragraph_as_the_library_does(doc):
    doc.write("Compound 3a. " + PARAGRAPH)
    doc.select_text(PARAGRAPH)

    assert doc.dispatch("Characterisation") == ""

    assert looks(doc, "163\u2013165") == ["1", "6", "3", "\u2013", "1", "6", "5"]
    assert looks(doc, "Rf") == ["R", "f sub"]
    assert looks(doc, "cm\u22121") == ["c", "m", "\u2212 sup", "1 sup"]
    assert looks(doc, "1H NMR") == ["1 sup", "H", " ", "N", "M", "R"]
    assert looks(doc, "J =") == ["J italic", " ", "="]
    assert looks(doc, "m/z") == ["m italic", "/ italic", "z italic"]
    assert looks(doc, "[M+H]+") == ["[", "M", "+", "H", "]", "+ sup"]
    assert looks(doc, "C10H13O2") == ["C", "1 sub", "0 sub", "H", "1 sub", "3 sub", "O", "2 sub"]
    assert looks(doc, "Compound 3a") == list("Compound 3a")


def test_the_findings_are_the_libraries_and_each_selects_its_place(office, doc):
    from glyphwright_writer import findings_dialog

    doc.write("Compound 3a. " + PARAGRAPH)
    doc.select_text(PARAGRAPH)

    findings = findings_dialog.Findings(doc.document)
    expected = glyphwright.CheckCharacterisation(PARAGRAPH)
    assert findings.lines() == [f"{offset}: {message}" for offset, message in expected]
    assert len(expected) == 3

    places = []
    for index in range(len(findings.items)):
        findings.select(index)
        places.append(doc.selected_text())
    assert places == ["165.0925", "165.0990", "72.70"]


def test_the_dialog_lists_the_findings_and_a_choice_selects_one(office, doc):
    from com.sun.star.awt import ItemEvent
    from glyphwright_writer import findings_dialog

    doc.write(PARAGRAPH)
    doc.select_text(PARAGRAPH)
    findings = findings_dialog.Findings(doc.document)
    dialog = findings_dialog.build(office.ctx, findings)
    try:
        listed = dialog.getModel().getByName("Findings").StringItemList
        assert list(listed) == findings.lines()
        event = ItemEvent()
        event.Selected = 1
        findings_dialog._SelectOnChoice(findings).itemStateChanged(event)
        assert doc.selected_text() == "165.0990"
    finally:
        dialog.dispose()


def test_a_formula_at_fault_is_selected_whole(doc):
    from glyphwright_writer import findings_dialog

    text = "HRMS (ESI) m/z [M + Na]+ calcd for C12H14O3 229.0835, found 229.0832."
    doc.write(text)
    doc.select_text(text)
    findings = findings_dialog.Findings(doc.document)
    findings.select(0)
    assert doc.selected_text() == "C12H14O3"


def test_fault_lengths_count_utf16_units():
    from glyphwright_writer import findings_dialog

    text = "\U0001D6FC calcd for C10H13O2+ 165.0925."
    assert findings_dialog.fault_length(text, 23) == 8
    assert findings_dialog.fault_length("(C10H13O2)", 1) == 8
