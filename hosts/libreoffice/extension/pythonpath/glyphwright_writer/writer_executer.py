"""The Writer Executer and FontListener: the runner's editing operations on one Writer text.

The runner calls the operations by name. Positions and lengths arrive as float and count UTF-16
code units from the start of the user's selection as it was when the query read it (the
origin). The executer keeps its own cursor and selection as Writer text cursors, which Writer
moves along with every edit; the view is brought up to date by `show`. Typing, pasting, cutting
and moving collapse the selection onto the cursor."""

import math
import re

from com.sun.star.text.ControlCharacter import PARAGRAPH_BREAK

import glyphwright

from . import char_format
from .clip import Clip
from .text_positions import TextPositions

CURSOR_POSITION = "$CursorPosition"
CARRIAGE_RETURN = 13

# A number as the automation run time reads it, in the C locale: blanks, a sign, digits, a
# fraction and an exponent.
NUMBER = re.compile(r"\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*\Z")


def invalid_procedure_call():
    return glyphwright.AutomationError(5, "Invalid procedure call or argument")


def whole(number):
    """An automation number as a 32-bit integer, rounded half to even."""
    if isinstance(number, str):
        if not NUMBER.match(number):
            raise glyphwright.AutomationError(13, "Type mismatch")
        number = float(number)
    if not math.isfinite(number) or abs(number) > 2147483647.5:
        raise glyphwright.AutomationError(6, "Overflow")
    return int(round(number))


class WriterExecuter:
    """Executer and FontListener for one selected range of a Writer document."""

    def __init__(self, document, selected, positions=None):
        """positions: what maps offsets to places, when the caller knows a quicker way than
        TextPositions for the selected range."""
        self.document = document
        self.controller = document.getCurrentController()
        self.text = selected.getText()
        self.positions = positions or TextPositions(self.text, selected)
        self.cursor = self.text.createTextCursorByRange(selected.getStart())
        self.selection = self.text.createTextCursorByRange(selected)  # None: at the cursor
        self.clip = None
        self.changed = False  # the document was edited
        self.moved = False  # the cursor or the selection is no longer the user's

    # ---- values ----

    def QueryValue(self, value):
        if value == CURSOR_POSITION:
            return self.positions.offset_of(self.cursor)
        return value

    # ---- character formatting ----

    def SetSubscript(self, Index, Length, flag):
        self._set_script(Index, Length, flag, char_format.SUBSCRIPT)

    def SetSuperscript(self, Index, Length, flag):
        self._set_script(Index, Length, flag, char_format.SUPERSCRIPT)

    def SetSmall(self, Index, Length):
        target = self._range(Index, Length)
        self.changed = True
        char_format.set_small_capitals(target)

    def SetStyle(self, Index, Length, StyleName):
        target = self._range(Index, Length)
        self.changed = True
        char_format.set_named_format(self.document, target, StyleName)

    def ApplyStyle(self, StyleName):
        self.changed = True
        if StyleName in (char_format.CHEMICAL_ITALIC, char_format.CHEMICAL_SMALL):
            char_format.set_named_format(self.document, self._selected(), StyleName)
            return
        name = char_format.ensure_paragraph_style(self.document, StyleName)
        self._paragraphs_of_selection().setPropertyValue("ParaStyleName", name)

    def ReplaceChar(self, Index, Code):
        code = whole(Code)
        # A code unit as signed 16-bit text; the unsigned form is taken as well.
        if code < -32768 or code > 65535:
            raise invalid_procedure_call()
        target = self._range(Index, 1)
        if target.isCollapsed():
            return
        self.changed = True
        # Typed right after the old character, the new one takes over its attributes.
        after = self.text.createTextCursorByRange(target.getEnd())
        if code & 0xFFFF == CARRIAGE_RETURN:
            self.text.insertControlCharacter(after, PARAGRAPH_BREAK, False)
        else:
            self.text.insertString(after, chr(code & 0xFFFF), False)
        old = self.text.createTextCursorByRange(after)
        old.goLeft(1, False)
        old.goLeft(1, True)
        old.setString("")

    # ---- typing ----

    def TypeBackspace(self):
        self._collapse_selection()
        before = self.text.createTextCursorByRange(self.cursor)
        if before.goLeft(1, True):
            self.changed = True
            before.setString("")

    def TypeParagraph(self):
        self._collapse_selection()
        self.changed = True
        self.text.insertControlCharacter(self.cursor, PARAGRAPH_BREAK, False)

    def TypeText(self, Text, StyleName):
        self._collapse_selection()
        if not Text:
            return
        self.changed = True
        self.text.insertString(self.cursor, Text, False)
        typed = self.text.createTextCursorByRange(self.cursor)
        typed.goLeft(len(Text), True)  # a step a character, a CR one paragraph break
        char_format.make_plain(typed)
        if StyleName:
            char_format.set_named_format(self.document, typed, StyleName)

    # ---- cursor and selection ----

    def MoveCursor(self, Target):
        if Target == "EndOfSelection":
            if self.selection is not None:
                self.cursor.gotoRange(self.selection.getEnd(), False)
        elif Target == "PrevChar":
            self.cursor.goLeft(1, False)
        elif Target == "NextChar":
            self.cursor.goRight(1, False)
        elif NUMBER.match(Target):
            self.cursor.gotoRange(self.positions.cursor_at(whole(float(Target))), False)
        else:
            raise invalid_procedure_call()
        self._collapse_selection()

    def SelectRange(self, Start, Length):
        self.selection = self._range(Start, Length)
        self.cursor.gotoRange(self.selection.getStart(), False)
        self.moved = True

    # ---- clipboard ----

    def CopyText(self, Start, Length):
        self.clip = Clip(self.controller, self._range(Start, Length))

    def CutText(self, Start, Length):
        target = self._range(Start, Length)
        self.clip = Clip(self.controller, target)
        if not target.isCollapsed():
            self.changed = True
            target.setString("")
        self.cursor.gotoRange(target.getStart(), False)
        self._collapse_selection()

    def PasteText(self):
        self._collapse_selection()
        if self.clip is None or self.clip.empty():
            return
        self.changed = True
        self.clip.paste(self.controller, self.positions, self.cursor)

    def DeleteText(self, Start, Length):
        target = self._range(Start, Length)
        if not target.isCollapsed():
            self.changed = True
            target.setString("")  # the cursor and the selection move with the text

    # ---- FontListener ----

    def GetSubscript(self, Index, Length, Value=0):
        return char_format.script_state(self._range(Index, Length), char_format.SUBSCRIPT)

    def GetSuperscript(self, Index, Length, Value=0):
        return char_format.script_state(self._range(Index, Length), char_format.SUPERSCRIPT)

    # ---- the host's side ----

    def show(self):
        """Shows the executer's selection, or its cursor, in the document's view when a script
        moved them; a script that only formats leaves the user's selection as it was."""
        if not self.moved:
            return
        if self.selection is None or self.selection.isCollapsed():
            self.controller.getViewCursor().gotoRange(self.cursor, False)
        else:
            self.controller.select(self.selection)

    # ---- helpers ----

    def _range(self, index, length):
        return self.positions.range_of(whole(index), whole(length))

    def _set_script(self, index, length, flag, sign):
        target = self._range(index, length)
        self.changed = True
        if flag:
            char_format.set_script(target, sign)
        else:
            char_format.clear_script(target, sign)

    def _selected(self):
        return self.text.createTextCursorByRange(
            self.cursor if self.selection is None else self.selection)

    def _paragraphs_of_selection(self):
        """The paragraphs from the one holding the selection's start to the one holding its last
        character: a selection that ends just after a paragraph break does not reach into the
        next paragraph. An empty selection is the cursor's paragraph."""
        paragraphs = self._selected()
        if not paragraphs.isCollapsed():
            end = self.text.createTextCursorByRange(paragraphs.getEnd())
            if end.isStartOfParagraph() and end.goLeft(1, False):
                paragraphs.gotoRange(paragraphs.getStart(), False)
                paragraphs.gotoRange(end, True)
        return paragraphs

    def _collapse_selection(self):
        self.selection = None
        self.moved = True
