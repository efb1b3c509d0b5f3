"""Offsets in UTF-16 code units from an origin, mapped to places in one Writer text.

Every offset a script names counts from the start of the user's selection as it was when the
query read it. Writer's cursors step by characters (a surrogate pair is one step, a paragraph
break is one step), so a move measures what it crossed instead of trusting the step count."""

from dataclasses import dataclass

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
        # The last place found exactly, and its distance from the anchor: scripts name their
        # places mostly in order, and walking on from the last one keeps a long list linear.
        # An edit at or before it makes it forget (see `edited_at`).
        self._mark = None
        self._mark_distance = 0
        # What finds a place quicker while it can (an OriginText of the same origin), or None.
        self.quick = None

    def cursor_at(self, offset):
        """A collapsed cursor at offset, clamped to the text."""
        if self.quick is not None:
            cursor = self.quick.cursor_at(offset)
            if cursor is not None:
                return cursor
        distance = self._lead + offset
        if self._mark is not None and distance >= self._mark_distance:
            cursor = self.text.createTextCursorByRange(self._mark)
            walked = self._mark_distance
        else:
            cursor = self._at_anchor()
            walked = 0
        if distance > walked:
            if self.move(cursor, distance - walked) == 0:
                self._mark = self.text.createTextCursorByRange(cursor)
                self._mark_distance = distance
        elif distance < 0:
            self.move(cursor, -distance, forward=False)
        return cursor

    def edited_at(self, place):
        """Told before the text changes from the start of place on: a remembered place that does
        not lie before it may move or vanish, and is forgotten."""
        if self._mark is not None and self.text.compareRegionStarts(self._mark, place) != 1:
            self._mark = None

    def range_of(self, index, length):
        """A cursor over [index, index + length), each end clamped to the text on its own: a
        range that starts before the text keeps only its part inside."""
        cursor = self.cursor_at(index)
        if length > 0:
            end = self.cursor_at(index + length)
            if self.text.compareRegionStarts(cursor, end) > 0:  # the end lies after the start
                cursor.gotoRange(end, True)
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


PARAGRAPH_BREAK = None  # the part of a run that is a paragraph break


PARAGRAPH_BREAK_KIND = ""  # the kind of a Portion that is a paragraph break, its text CR


@dataclass(frozen=True)
class Portion:
    """One portion of a range as Writer cut it: where it starts (code units from the range's
    start, a paragraph break one unit), its text and kind, and the portion itself (None for a
    paragraph break)."""
    offset: int
    text: str
    kind: str
    part: object


def text_runs(text_range, portion_types=None, portions=None):
    """The runs of a range in order: (width in code units, part) where part is a text range with
    one set of character attributes, or PARAGRAPH_BREAK. A table in the range is a JobError.
    A list given as portion_types gets the kind of every portion of the range, empty ones too,
    or None when the kinds are not known. A list given as portions gets a Portion for every
    portion, empty ones too, or is left empty when Writer's cut of the range was wrong."""
    runs = _runs_as_writer_cuts_them(text_range, portion_types, portions)
    if runs is None:
        runs = _runs_cut_here(text_range)
        if portion_types is not None:
            portion_types[:] = [None]
        if portions is not None:
            portions.clear()
    return runs


def _paragraph_portions(cursor):
    """(is the first paragraph, paragraph) for each paragraph the cursor's enumeration gives."""
    enumeration = cursor.createEnumeration()
    first = True
    while enumeration.hasMoreElements():
        paragraph = enumeration.nextElement()
        if not paragraph.supportsService("com.sun.star.text.Paragraph"):
            raise JobError("The selection holds a table. Select text outside tables.")
        yield first, paragraph
        first = False


def _runs_as_writer_cuts_them(text_range, portion_types=None, found=None):
    """The portions of the range as Writer cuts them, or None when the cut is wrong: Writer cuts
    the first portion of a range wrongly when a character outside the BMP comes before it in its
    paragraph, and then the portions do not spell the range's text."""
    text = text_range.getText()
    cursor = text.createTextCursorByRange(text_range)
    runs, pieces = [], []
    offset = 0
    for first, paragraph in _paragraph_portions(cursor):
        if not first:
            runs.append((1, PARAGRAPH_BREAK))
            pieces.append("\n")
            if found is not None:
                found.append(Portion(offset, "\r", PARAGRAPH_BREAK_KIND, None))
            offset += 1
        portions = paragraph.createEnumeration()
        while portions.hasMoreElements():
            portion = portions.nextElement()
            kind = portion.TextPortionType if portion_types is not None or found is not None \
                else None
            if portion_types is not None:
                portion_types.append(kind)
            piece = portion.getString()
            if found is not None:
                found.append(Portion(offset, piece, kind, portion))
            if piece:
                width = units(piece)
                runs.append((width, portion))
                pieces.append(piece)
                offset += width
    if "".join(pieces) != cursor.getString().replace("\r\n", "\n"):
        return None
    if runs and runs[0][1] is not PARAGRAPH_BREAK and \
            text.compareRegionStarts(runs[0][1].getStart(), text_range.getStart()) != 0:
        return None
    if runs and runs[-1][1] is not PARAGRAPH_BREAK and \
            text.compareRegionEnds(runs[-1][1].getEnd(), text_range.getEnd()) != 0:
        return None
    return runs


def _runs_cut_here(text_range):
    """The portions of the whole paragraphs the range touches (Writer enumerates those right),
    each cut to the range by comparing positions."""
    text = text_range.getText()
    start, end = text_range.getStart(), text_range.getEnd()
    paragraphs = text.createTextCursorByRange(start)
    paragraphs.gotoStartOfParagraph(False)
    paragraphs.gotoRange(end, True)
    paragraphs.gotoEndOfParagraph(True)
    runs = []
    for first, paragraph in _paragraph_portions(paragraphs):
        if not first:
            runs.append((1, PARAGRAPH_BREAK))
        portions = paragraph.createEnumeration()
        while portions.hasMoreElements():
            portion = portions.nextElement()
            piece = portion.getString()
            if not piece:
                continue
            # compareRegionStarts(a, b) is 1 when a comes first, 0 when both are the same place.
            if text.compareRegionStarts(portion.getEnd(), start) >= 0:
                continue  # ends before the range
            if text.compareRegionStarts(end, portion.getStart()) >= 0:
                break  # starts after the range
            cut_start = text.compareRegionStarts(portion.getStart(), start) > 0
            cut_end = text.compareRegionStarts(end, portion.getEnd()) > 0
            if not cut_start and not cut_end:
                runs.append((units(piece), portion))
                continue
            part = text.createTextCursorByRange(start if cut_start else portion.getStart())
            part.gotoRange(end if cut_end else portion.getEnd(), True)
            runs.append((units(part.getString()), part))
    return runs


def range_text(text_range):
    """The text of a range as a query reads it: its paragraphs joined by CR, a line break as LF,
    a field as the text it shows. A table in the range is a JobError."""
    return "".join("\r" if part is PARAGRAPH_BREAK else part.getString()
                   for _, part in text_runs(text_range))
