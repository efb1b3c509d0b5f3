"""One paragraph as a bulk pass reads it: its text, what of it is lowered or raised already, and
the quickest way to its places.

The query asks what is subscript or superscript before its script changes anything, so the
paragraph's character runs, read once, answer for every character: the same answers the Writer
executer gives, without a walk through the text for each one."""

from com.sun.star.beans import UnknownPropertyException

from .char_format import MIXED, NONE_SET, WHOLE_RANGE_SET
from .text_positions import LONGEST_STEP, PARAGRAPH_BREAK, text_runs
from .utf16 import units
from .writer_executer import whole

TEXT = "Text"  # the portion type of ordinary text
PARAGRAPH = "com.sun.star.text.Paragraph"


class ParagraphFonts:
    """FontListener over a text range, offsets in UTF-16 code units from its start."""

    def __init__(self, text_range):
        pieces = []
        self._signs = []  # -1 lowered, 1 raised, 0 on the baseline: one for each code unit
        # Whether each code unit is one step of a Writer cursor: no field, no note's mark, no
        # character outside the BMP.
        self.one_step_a_unit = True
        for width, part, piece in _runs(text_range):
            if part is PARAGRAPH_BREAK:
                pieces.append("\r")
                self._signs.append(0)
                continue
            escapement, kind = _look(part)
            if kind != TEXT or len(piece) != width:
                self.one_step_a_unit = False
            # A note's mark reads as its number and a field as what it shows: as blanks they
            # neither join the text around them (the '1' after CO2) nor get formatting of their
            # own, which only part of a field cannot take.
            pieces.append(piece if kind == TEXT else " " * width)
            self._signs.extend([(escapement > 0) - (escapement < 0)] * width)
        self.text = "".join(pieces)
        if len(self._signs) > LONGEST_STEP:
            self.one_step_a_unit = False

    def GetSubscript(self, Index, Length, Value=0):
        return self._state(Index, Length, -1)

    def GetSuperscript(self, Index, Length, Value=0):
        return self._state(Index, Length, 1)

    def _state(self, index, length, sign):
        start = max(0, int(index))
        end = min(len(self._signs), int(index) + max(0, int(length)))
        if end <= start:
            return NONE_SET
        matching = sum(1 for k in range(start, end) if self._signs[k] == sign)
        if matching == 0:
            return NONE_SET
        return WHOLE_RANGE_SET if matching == end - start else MIXED


    def any_set(self, index, length, sign):
        """Whether some of [index, index + length) is lowered (sign -1) or raised (sign 1)."""
        return self._state(index, length, sign) != NONE_SET

    def record(self, index, length, sign, flag):
        """Notes that [index, index + length) was lowered or raised (flag true), or that what of
        it was so is on the baseline now (flag false)."""
        for k in range(max(0, index), min(len(self._signs), index + max(0, length))):
            if flag:
                self._signs[k] = sign
            elif self._signs[k] == sign:
                self._signs[k] = 0


# The operations that change no character and no offset: the paragraph's runs stay true.
KEEPS_OFFSETS = frozenset(("SetSubscript", "SetSuperscript", "SetSmall", "SetStyle",
                           "ReplaceChar", "QueryValue", "GetSubscript", "GetSuperscript"))


class KnownScripts:
    """The Writer executer of one paragraph, told what the paragraph's runs said: the runner
    clears both scripts before it sets one, and clearing a script from characters that have
    none then costs no call into the office. Any operation that moves text makes it ask the
    office again."""

    def __init__(self, executer, fonts):
        self._executer = executer
        self._fonts = fonts
        self._true = True  # the runs still describe the paragraph

    def __getattr__(self, name):
        if name not in KEEPS_OFFSETS:
            self._true = False
        return getattr(self._executer, name)

    @property
    def changed(self):
        return self._executer.changed

    def SetSubscript(self, Index, Length, flag):
        self._set(Index, Length, flag, -1, self._executer.SetSubscript)

    def SetSuperscript(self, Index, Length, flag):
        self._set(Index, Length, flag, 1, self._executer.SetSuperscript)

    def _set(self, index, length, flag, sign, operation):
        if not self._true:
            operation(index, length, flag)
            return
        try:
            start, count = whole(index), whole(length)
        except Exception:  # the executer reports the bad number
            operation(index, length, flag)
            return
        if not flag and not self._fonts.any_set(start, count, sign):
            return
        operation(index, length, flag)
        self._fonts.record(start, count, sign, flag)


class StepPositions:
    """Places in a range whose every code unit is one cursor step, by offset from its start: a
    cursor goes straight there. Offsets are clamped to the text, as TextPositions clamps them."""

    def __init__(self, text_range):
        self.text = text_range.getText()
        self._start = text_range.getStart()

    def cursor_at(self, offset):
        cursor = self.text.createTextCursorByRange(self._start)
        if offset > 0:
            cursor.goRight(min(offset, LONGEST_STEP), False)
        return cursor

    def range_of(self, index, length):
        cursor = self.cursor_at(index)
        end = min(index + length, LONGEST_STEP)
        if length > 0 and end > max(index, 0):
            cursor.goRight(end - max(index, 0), True)
        return cursor

    def offset_of(self, place):
        probe = self.text.createTextCursorByRange(self._start)
        if self.text.compareRegionStarts(probe, place) >= 0:  # the start comes first
            probe.gotoRange(place.getStart(), True)
            return units(probe.getString())
        probe.gotoRange(place.getStart(), False)
        probe.gotoRange(self._start, True)
        return -units(probe.getString())


def _runs(text_range):
    """(width, run, its text) of each run of the range: a whole paragraph's portions as Writer
    enumerates them (it cuts whole paragraphs right), or text_runs' for a part of one."""
    if not text_range.supportsService(PARAGRAPH):
        return [(width, part, "" if part is PARAGRAPH_BREAK else part.getString())
                for width, part in text_runs(text_range)]
    runs = []
    portions = text_range.createEnumeration()
    while portions.hasMoreElements():
        portion = portions.nextElement()
        piece = portion.getString()
        if piece:
            runs.append((units(piece), portion, piece))
    return runs


def _look(part):
    """The escapement and the portion type of a run; a run cut from a portion is text."""
    try:
        return part.getPropertyValues(("CharEscapement", "TextPortionType"))
    except UnknownPropertyException:
        return part.getPropertyValue("CharEscapement"), TEXT
