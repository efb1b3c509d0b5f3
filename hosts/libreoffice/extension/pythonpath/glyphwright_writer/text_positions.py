"""Offsets in UTF-16 code units from an origin, mapped to places in one Writer text.

Every offset a script names counts from the start of the user's selection as it was when the
query read it. Writer's cursors step by characters (a surrogate pair is one step, a paragraph
break is one step), so a move measures what it crossed instead of trusting the step count."""

from .job_error import JobError
from .utf16 import units

# goLeft and goRight take a 16-bit count.
LONGEST_STEP = 32767


class TextPositions:
    """Places in `text` by their offset from the start of `origin`, a range of that text."""

    def __init__(self, text, origin):
        self.text = text
        probe = text.createTextCursorByRange(origin.getStart())
        # Writer moves a cursor that sits exactly where text is inserted, and scripts insert at
        # the origin itself; a cursor one character earlier stays where it is.
        if probe.goLeft(1, True):
            self._anchor = text.createTextCursorByRange(probe.getStart())
            self._lead = units(probe.getString())
        else:
            self._anchor = None  # the origin is the start of the text
            self._lead = 0

    def cursor_at(self, offset):
        """A collapsed cursor at offset, clamped to the text."""
        cursor = self._at_anchor()
        distance = self._lead + offset
        if distance > 0:
            self.move(cursor, distance)
        elif distance < 0:
            self.move(cursor, -distance, forward=False)
        return cursor

    def range_of(self, index, length):
        """A cursor that spans length code units from index, clamped to the text."""
        cursor = self.cursor_at(index)
        if length > 0:
            self.move(cursor, length, expand=True)
        return cursor

    def offset_of(self, place):
        """The offset of the start of place from the origin."""
        anchor = self._at_anchor()
        if self.text.compareRegionStarts(anchor, place) >= 0:  # the anchor comes first
            anchor.gotoRange(place.getStart(), True)
            return units(anchor.getString()) - self._lead
        probe = self.text.createTextCursorByRange(place.getStart())
        probe.gotoRange(anchor, True)
        return -units(probe.getString()) - self._lead

    def move(self, cursor, count, forward=True, expand=False):
        """Moves the cursor's end by count code units, expanding the cursor or not. It stops at
        either end of the text and before a character it would cross only in part. Returns the
        code units it did not move."""
        remaining = count
        while remaining > 0:
            probe = self.text.createTextCursorByRange(self._edge(cursor, forward))
            step = min(remaining, LONGEST_STEP)
            whole = probe.goRight(step, True) if forward else probe.goLeft(step, True)
            crossed = units(probe.getString())
            if crossed == 0:
                return remaining
            if crossed > remaining:  # a surrogate pair or a field counts more than one unit
                return self._creep(cursor, remaining, forward, expand)
            cursor.gotoRange(self._edge(probe, forward), expand)
            remaining -= crossed
            if not whole:  # the end of the text
                return remaining
        return 0

    def _creep(self, cursor, remaining, forward, expand):
        """Moves one character at a time while the characters fit into remaining."""
        while remaining > 0:
            probe = self.text.createTextCursorByRange(self._edge(cursor, forward))
            if not (probe.goRight(1, True) if forward else probe.goLeft(1, True)):
                break
            width = units(probe.getString())
            if width > remaining:
                break
            cursor.gotoRange(self._edge(probe, forward), expand)
            remaining -= width
        return remaining

    def _at_anchor(self):
        cursor = self.text.createTextCursor()
        if self._anchor is None:
            cursor.gotoStart(False)
        else:
            cursor.gotoRange(self._anchor, False)
        return cursor

    @staticmethod
    def _edge(cursor, forward):
        return cursor.getEnd() if forward else cursor.getStart()


def range_text(text_range):
    """The text of a range as a query reads it: its paragraphs joined by CR, a line break as LF,
    a field as the text it shows. A table in the range is a JobError."""
    cursor = text_range.getText().createTextCursorByRange(text_range)
    paragraphs = []
    enumeration = cursor.createEnumeration()
    while enumeration.hasMoreElements():
        paragraph = enumeration.nextElement()
        if not paragraph.supportsService("com.sun.star.text.Paragraph"):
            raise JobError("The selection holds a table. Select text outside tables.")
        # The portions of the first and last paragraph are cut to the range.
        pieces = []
        portions = paragraph.createEnumeration()
        while portions.hasMoreElements():
            pieces.append(portions.nextElement().getString())
        paragraphs.append("".join(pieces))
    return "\r".join(paragraphs)


def text_portions(text_range):
    """The text portions of a range (each with one set of character attributes), cut to it."""
    cursor = text_range.getText().createTextCursorByRange(text_range)
    found = []
    enumeration = cursor.createEnumeration()
    while enumeration.hasMoreElements():
        paragraph = enumeration.nextElement()
        if not paragraph.supportsService("com.sun.star.text.Paragraph"):
            continue
        portions = paragraph.createEnumeration()
        while portions.hasMoreElements():
            portion = portions.nextElement()
            if portion.getString():
                found.append(portion)
    return found
