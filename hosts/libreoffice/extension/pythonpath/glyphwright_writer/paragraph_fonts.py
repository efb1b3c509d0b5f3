"""One paragraph as a bulk pass reads it: its text, what of it is lowered or raised already, and
the quickest way to its places.

The query asks what is subscript or superscript before its script changes anything, so the
paragraph's character runs, read once, answer for every character: the same answers the Writer
executer gives, without a walk through the text for each one."""

from com.sun.star.beans import UnknownPropertyException

from .char_format import MIXED, NONE_SET, WHOLE_RANGE_SET
from .text_positions import LONGEST_STEP, PARAGRAPH_BREAK, text_runs
from .utf16 import units

NOTE_MARK = "Footnote"  # the portion type of a footnote's or an endnote's mark
TEXT = "Text"


class ParagraphFonts:
    """FontListener over a text range, offsets in UTF-16 code units from its start."""

    def __init__(self, text_range):
        pieces = []
        self._signs = []  # -1 lowered, 1 raised, 0 on the baseline: one for each code unit
        # Whether each code unit is one step of a Writer cursor: no field, no note's mark, no
        # character outside the BMP.
        self.one_step_a_unit = True
        for width, part in text_runs(text_range):
            if part is PARAGRAPH_BREAK:
                pieces.append("\r")
                self._signs.append(0)
                continue
            escapement, kind = _look(part)
            piece = part.getString()
            if kind != TEXT or len(piece) != width:
                self.one_step_a_unit = False
            # A note's mark reads as its number: blanks keep '1' from joining the CO2 before it.
            pieces.append(" " * width if kind == NOTE_MARK else piece)
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


def _look(part):
    """The escapement and the portion type of a run; a run cut from a portion is text."""
    try:
        return part.getPropertyValues(("CharEscapement", "TextPortionType"))
    except UnknownPropertyException:
        return part.getPropertyValue("CharEscapement"), TEXT
