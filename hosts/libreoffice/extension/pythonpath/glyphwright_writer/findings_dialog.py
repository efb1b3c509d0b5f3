"""Format > Chemistry > Check Characterisation Data: the checker's findings for the selection,
listed in a dialog; choosing one selects the number or formula at fault in the document."""

import unohelper
from com.sun.star.awt import XItemListener
from com.sun.star.awt.MessageBoxButtons import BUTTONS_OK
from com.sun.star.awt.MessageBoxType import INFOBOX

import glyphwright

from .dialog_model import DialogModel
from .job_error import JobError
from .text_positions import TextPositions, range_text

TITLE = "Characterisation Data"
NOTHING_WRONG = "Nothing is wrong: every HRMS and analysis value agrees with its formula."
WIDTH, HEIGHT = 320, 150
# What ends the number or formula a finding points at.
ENDS = " \t\r\n,;:"


def fault_length(text, offset):
    """The UTF-16 length of the number or formula that starts at offset: up to a blank or
    punctuation, without a full stop or closing bracket that ends the sentence."""
    start = glyphwright.from_utf16_offset(text, offset)
    end = start
    while end < len(text) and text[end] not in ENDS:
        end += 1
    while end > start + 1 and text[end - 1] in ".)":
        end -= 1
    return glyphwright.to_utf16_offset(text, end) - offset


class Findings:
    """The findings of the first selected range, and the ranges they point at."""

    def __init__(self, document):
        selection = document.getCurrentController().getSelection()
        if selection is None or not selection.supportsService("com.sun.star.text.TextRanges"):
            raise JobError("Select the characterisation data to check first.")
        selected = next((selection.getByIndex(i) for i in range(selection.getCount())
                         if selection.getByIndex(i).getString()), None)
        if selected is None:
            raise JobError("Select the characterisation data to check first.")
        self.controller = document.getCurrentController()
        text = range_text(selected)
        self.positions = TextPositions(selected.getText(), selected)
        self.items = [(offset, fault_length(text, offset), message)
                      for offset, message in glyphwright.CheckCharacterisation(text)]

    def lines(self):
        return [f"{offset}: {message}" for offset, _, message in self.items]

    def select(self, index):
        """Selects the number or formula of finding index in the document."""
        offset, length, _ = self.items[index]
        self.controller.select(self.positions.range_of(offset, length))


class _SelectOnChoice(unohelper.Base, XItemListener):
    def __init__(self, findings):
        self.findings = findings

    def itemStateChanged(self, event):
        if 0 <= event.Selected < len(self.findings.items):
            self.findings.select(event.Selected)

    def disposing(self, source):
        pass


def build(ctx, findings):
    """The dialog listing the findings, not yet shown; choosing a line selects its place."""
    model = DialogModel(ctx, TITLE, WIDTH, HEIGHT)
    model.add("FixedText", "Summary", 6, 6, WIDTH - 12, 12,
              Label=f"{len(findings.items)} finding(s). Choose one to select it in the document.")
    model.add("ListBox", "Findings", 6, 20, WIDTH - 12, HEIGHT - 46,
              StringItemList=tuple(findings.lines()))
    model.add("Button", "Close", WIDTH - 56, HEIGHT - 20, 50, 14, Label="Close", PushButtonType=1,
              DefaultButton=True)
    dialog = model.dialog()
    dialog.getControl("Findings").addItemListener(_SelectOnChoice(findings))
    return dialog


def show(ctx, frame, document):
    """Checks the selection and shows the findings, or says that nothing is wrong."""
    findings = Findings(document)
    toolkit = ctx.ServiceManager.createInstanceWithContext("com.sun.star.awt.Toolkit", ctx)
    parent = frame.getContainerWindow() if frame is not None else None
    if not findings.items:
        box = toolkit.createMessageBox(parent, INFOBOX, BUTTONS_OK, TITLE, NOTHING_WRONG)
        try:
            box.execute()
        finally:
            box.dispose()
        return
    dialog = build(ctx, findings)
    try:
        dialog.createPeer(toolkit, parent)
        dialog.execute()
    finally:
        dialog.dispose()
