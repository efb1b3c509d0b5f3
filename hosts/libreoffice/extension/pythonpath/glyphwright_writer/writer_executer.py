"""The Writer Executer and FontListener: the runner's editing operations on one Writer text.

The runner calls the operations by name. Positions and lengths arrive as float and count UTF-16
code units from the start of the user's selection as it was when the query read it (the
origin). The executer keeps its own cursor and selection as Writer text cursors, which Writer
moves along with every edit; the view is brought up to date by `show`. Typing, pasting, cutting
and moving collapse the selection onto the cursor.

An executer made with batched=True, as the jobs make it, spends fewer calls on the document:
- it keeps text typed or pasted one piece after another, and typed paragraph breaks, and puts
  them into the document in one go when an operation that needs the document comes or when
  `finish` is called (its owner must call `finish` after the run); a backspace takes back typed
  text that has not gone in yet;
- it copies plain text without Writer's transferable (see Clip), and given the OriginText the
  query read, copies from the selection while no edit has reached it without asking Writer."""

import functools
import itertools
import math
import re

from com.sun.star.text.ControlCharacter import PARAGRAPH_BREAK

import glyphwright

from . import char_format
from .clip import Clip, plain_property_names
from .gathered_typing import PARAGRAPH_BREAK_TEXT, GatheredTyping, Piece, formatted_spans
from .text_positions import LONGEST_STEP, TextPositions
from .utf16 import units

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


def typing_first(operation):
    """The operation sees the document with the gathered typing in it."""
    @functools.wraps(operation)
    def after_typing(self, *args):
        self._put_typing()
        self._after_simple = False  # the operation may move the cursor or change the text
        return operation(self, *args)
    return after_typing


# The characters a backspace may take back from gathered typing: one of them is one step of the
# cursor whatever comes before it, as long as the character before is one of them too.
SIMPLE = frozenset(chr(code) for code in range(0x20, 0x7F))


class WriterExecuter:
    """Executer and FontListener for one selected range of a Writer document."""

    def __init__(self, document, selected, positions=None, batched=False, origin=None):
        """positions: what maps offsets to places, when the caller knows a quicker way than
        TextPositions for the selected range. batched, origin (an OriginText of selected): see
        the module's notes."""
        self.document = document
        self.controller = document.getCurrentController()
        self.text = selected.getText()
        self.positions = positions or TextPositions(self.text, selected)
        self.cursor = self.text.createTextCursorByRange(selected.getStart())
        self.selection = self.text.createTextCursorByRange(selected)  # None: at the cursor
        self.clip = None
        self.changed = False  # the document was edited
        self.moved = False  # the cursor or the selection is no longer the user's
        self.batched = batched
        self._plain_names = plain_property_names(self.cursor) if batched else None
        self.origin = origin if batched else None
        if self.origin is not None:
            self.origin.plain_names = self._plain_names
            if positions is None:
                self.positions.quick = self.origin
        self._cursor_after_origin = False  # the cursor is known to lie after the origin's text
        self._typing = GatheredTyping()  # at the cursor and not yet in the document
        self._typing_after_origin = None  # known once asked, while pieces are gathered
        # The character before the cursor is known to be one of SIMPLE: typed or pasted last.
        self._after_simple = False

    def finish(self):
        """Puts the gathered typing into the document."""
        self._put_typing()

    # ---- values ----

    def QueryValue(self, value):
        # The runner asks about every value it pushes; only the cursor's place needs the typing.
        if value == CURSOR_POSITION:
            self._put_typing()
            return self.positions.offset_of(self.cursor)
        return value

    # ---- character formatting ----

    @typing_first
    def SetSubscript(self, Index, Length, flag):
        self._set_script(Index, Length, flag, char_format.SUBSCRIPT)

    @typing_first
    def SetSuperscript(self, Index, Length, flag):
        self._set_script(Index, Length, flag, char_format.SUPERSCRIPT)

    @typing_first
    def SetSmall(self, Index, Length):
        target = self._range(Index, Length)
        self._formatting(target)
        self.changed = True
        char_format.set_small_capitals(target)

    @typing_first
    def SetStyle(self, Index, Length, StyleName):
        target = self._range(Index, Length)
        self._formatting(target)
        self.changed = True
        char_format.set_named_format(self.document, target, StyleName)

    @typing_first
    def ApplyStyle(self, StyleName):
        if self.origin is not None:
            self.origin.formatted()
        self.changed = True
        if StyleName in (char_format.CHEMICAL_ITALIC, char_format.CHEMICAL_SMALL):
            char_format.set_named_format(self.document, self._selected(), StyleName)
            return
        name = char_format.ensure_paragraph_style(self.document, StyleName)
        self._paragraphs_of_selection().setPropertyValue("ParaStyleName", name)

    @typing_first
    def ReplaceChar(self, Index, Code):
        code = whole(Code)
        # A code unit as signed 16-bit text; the unsigned form is taken as well.
        if code < -32768 or code > 65535:
            raise invalid_procedure_call()
        target = self._range(Index, 1)
        if target.isCollapsed():
            return
        self.changed = True
        self._edited_at(target)
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
        if self._typing.take_back(SIMPLE, self._after_simple):
            return
        self._put_typing()
        self._after_simple = False
        before = self.text.createTextCursorByRange(self.cursor)
        if before.goLeft(1, True):
            self.changed = True
            self._edited_at(before)
            before.setString("")

    def TypeParagraph(self):
        self._collapse_selection()
        if self.batched:
            self._gather(Piece(PARAGRAPH_BREAK_TEXT, paragraph_break=True))
            return
        self._put_typing()
        self._after_simple = False
        self.changed = True
        self._edited_at(self.cursor)
        self.text.insertControlCharacter(self.cursor, PARAGRAPH_BREAK, False)

    def TypeText(self, Text, StyleName):
        self._collapse_selection()
        if not Text:
            return
        if not self.batched:
            self._type(Text, StyleName)
            return
        self._gather(Piece(Text, StyleName))

    # ---- cursor and selection ----

    @typing_first
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
        self._cursor_after_origin = False
        self._collapse_selection()

    @typing_first
    def SelectRange(self, Start, Length):
        self.selection = self._range(Start, Length)
        self.cursor.gotoRange(self.selection.getStart(), False)
        self._cursor_after_origin = False
        self.moved = True

    # ---- clipboard ----

    def CopyText(self, Start, Length):
        index, length = whole(Start), whole(Length)
        if self.origin is not None and self._gathered_after_origin():
            clip = self.origin.clip(self.controller, index, length,
                                    lambda: self._range(index, length))
            if clip is not None:
                self.clip = clip
                return
        self._put_typing()
        self._after_simple = False
        self.clip = Clip.of_range(self.controller, self._range(index, length), self._plain_names)

    @typing_first
    def CutText(self, Start, Length):
        index, length = whole(Start), whole(Length)
        target = self._range(index, length)
        clip = None
        if self.origin is not None:
            clip = self.origin.clip(self.controller, index, length, lambda: target)
        self.clip = clip or Clip.of_range(self.controller, target, self._plain_names)
        self._cursor_after_origin = False
        if not target.isCollapsed():
            self.changed = True
            self._edited_at(target)
            target.setString("")
        self.cursor.gotoRange(target.getStart(), False)
        self._collapse_selection()

    def PasteText(self):
        self._collapse_selection()
        if self.clip is None or self.clip.empty():
            return
        clip = self.clip
        # A code unit is one step of the cursor in the gathered text, which counts in steps.
        if self.batched and clip.text is not None and len(clip.text) == units(clip.text):
            piece = Piece(clip.text, runs=tuple(clip.runs))
            if self._typing.joins(piece):
                self._gather(piece)
                return
        self._put_typing()
        self._after_simple = False
        self.changed = True
        self._edited_at(self.cursor)
        self.clip.paste(self.controller, self.positions, self.cursor)
        self._after_simple = self.clip.text is not None and self.clip.text[-1:] in SIMPLE

    @typing_first
    def DeleteText(self, Start, Length):
        target = self._range(Start, Length)
        if not target.isCollapsed():
            self.changed = True
            self._edited_at(target)
            target.setString("")  # the cursor and the selection move with the text

    # ---- FontListener ----

    @typing_first
    def GetSubscript(self, Index, Length, Value=0):
        return char_format.script_state(self._range(Index, Length), char_format.SUBSCRIPT)

    @typing_first
    def GetSuperscript(self, Index, Length, Value=0):
        return char_format.script_state(self._range(Index, Length), char_format.SUPERSCRIPT)

    # ---- the host's side ----

    @typing_first
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

    def _edited_at(self, place):
        # Positions that remember no place need not be told of edits.
        edited_at = getattr(self.positions, "edited_at", None)
        if edited_at is not None:
            edited_at(place)
        if self.origin is not None:
            at_cursor = place is self.cursor
            if at_cursor and self._cursor_after_origin:
                return  # typing moves the cursor on, never back into the origin
            self.origin.edited_at(place)
            if at_cursor:
                self._cursor_after_origin = self.origin.stands()

    def _formatting(self, target):
        if self.origin is not None:
            self.origin.edited_at(target)

    def _type(self, text, style):
        typed = self._insert_plain(text)
        if style:
            char_format.set_named_format(self.document, typed, style)
        self._after_simple = text[-1] in SIMPLE

    def _insert_plain(self, text):
        """Inserts text (a str, or gathered pieces) at the cursor, plain: a range over it. A
        typed paragraph break goes in as Writer's own, as TypeParagraph puts it."""
        self.changed = True
        self._edited_at(self.cursor)
        if isinstance(text, str):
            self.text.insertString(self.cursor, text, False)
            steps = len(text)
        else:
            steps = 0
            for is_break, group in itertools.groupby(text, lambda piece: piece.paragraph_break):
                group = list(group)
                if is_break:
                    for _ in group:
                        self.text.insertControlCharacter(self.cursor, PARAGRAPH_BREAK, False)
                else:
                    self.text.insertString(self.cursor, "".join(p.text for p in group), False)
                steps += sum(len(piece.text) for piece in group)
        typed = self.text.createTextCursorByRange(self.cursor)
        _step(typed, steps, forward=False, expand=True)
        if isinstance(text, str) or not all(piece.paragraph_break for piece in text):
            char_format.make_plain(typed)  # paragraph breaks alone carry nothing to take away
        return typed

    def _gather(self, piece):
        if not self._typing.joins(piece):
            self._put_typing()
        self._typing.add(piece)

    def _gathered_after_origin(self):
        """Whether the gathered pieces, when they go in at the cursor, leave the origin's text as
        it stands (asked once while they are gathered)."""
        if not self._typing or self._cursor_after_origin:
            return True
        if self._typing_after_origin is None:
            self._typing_after_origin = self.origin.before(self.cursor)
        return self._typing_after_origin

    def _put_typing(self):
        """Types the gathered pieces as one text, made plain as a whole; then each styled piece
        and each pasted run with attributes of its own gets them."""
        if not self._typing:
            return
        pieces = self._typing.take()
        self._typing_after_origin = None
        text = "".join(piece.text for piece in pieces)
        if len(pieces) == 1 and pieces[0].runs is None and not pieces[0].paragraph_break:
            self._type(text, pieces[0].style)
            return
        typed = self._insert_plain(pieces)
        # Every stretch is found before any is formatted: Writer's cursor steps slow down with
        # every attribute already set in the paragraph.
        targets = []
        walker = None
        at = 0
        for first, steps, piece, values in formatted_spans(pieces):
            if walker is None:
                walker = self.text.createTextCursorByRange(typed.getStart())
            if first > at:
                _step(walker, first - at)
            else:
                walker.collapseToEnd()
            _step(walker, steps, expand=True)
            targets.append((self.text.createTextCursorByRange(walker), piece, values))
            at = first + steps
        for target, piece, values in targets:
            if values is None:
                char_format.set_named_format(self.document, target, piece.style)
            else:
                char_format.set_modelled(target, values)
        self._after_simple = text[-1] in SIMPLE

    def _range(self, index, length):
        return self.positions.range_of(whole(index), whole(length))

    def _set_script(self, index, length, flag, sign):
        target = self._range(index, length)
        self._formatting(target)
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


def _step(cursor, steps, forward=True, expand=False):
    """Moves the cursor by steps characters (a CR one paragraph break), as many calls as the
    16-bit count of goLeft and goRight needs."""
    while steps > 0:
        count = min(steps, LONGEST_STEP)
        if forward:
            cursor.goRight(count, expand)
        else:
            cursor.goLeft(count, expand)
        steps -= count
