"""The user's selection as it was when the query read it: its text and the portions Writer cut it
into, kept so that a copy of a stretch of it needs no walk through the document.

A script copies parts of the text it was given (an NMR list's assignments, say) to text it types
after the selection. While every edit lies after the selection's last character, the selection's
characters, their attributes and their offsets are the ones read at the start, so the copy can be
answered from here: the stretch's text and the modelled attributes of the portions it crosses,
each portion asked once; and a place in it is found from the portion that holds it, without a
walk from the selection's start. Anything less simple is left to the document (None)."""

import bisect

from com.sun.star.beans.PropertyState import DEFAULT_VALUE

from .char_format import HEIGHTS, MODELLED, read_modelled
from .clip import TEXT_PORTION, Clip, has_direct_value
from .text_positions import PARAGRAPH_BREAK, PARAGRAPH_BREAK_KIND, text_runs
from .utf16 import units

PARAGRAPH_BREAK_CHAR = "\r"
HIDDEN = "CharHidden"


class OriginText:
    """The text of a selected range as a query reads it; places, and clips of it while it
    stands."""

    def __init__(self, selected):
        self.portions = []
        runs = text_runs(selected, portions=self.portions)
        if self.portions:
            self.text = "".join(portion.text for portion in self.portions)
        else:
            self.text = "".join(PARAGRAPH_BREAK_CHAR if part is PARAGRAPH_BREAK
                                else part.getString() for _, part in runs)
        self._starts = [portion.offset for portion in self.portions]
        self.selected = selected
        self._document_text = selected.getText()
        # Offsets into the text are str indices only where every character is one code unit.
        self.usable = bool(self.portions) and len(self.text) == units(self.text)
        self._last = None  # a collapsed cursor at the start of the selection's last character
        self._still = self.usable  # no edit has reached the selection yet
        # The character properties a plain clip must not carry directly (see Clip), given by
        # the executer that uses the origin.
        self.plain_names = ()
        self._default_everywhere = None  # names no character of the selection sets directly
        self._steps_are_units = None  # a cursor's step is a code unit everywhere in it
        self._values = {}  # portion index: its modelled direct values
        self._plain = {}  # portion index: whether it carries no other direct attribute

    # ---- what edits do to it ----

    def stands(self):
        return self._still

    def before(self, place):
        """Whether place (a text range) starts after the selection's last character starts: an
        edit there leaves the selection's characters and their offsets as they were."""
        if not self._still:
            return False
        last = self._last_character()
        return last is not None and self._document_text.compareRegionStarts(last, place) == 1

    def edited_at(self, place):
        """Told before the text changes from the start of place on."""
        if self._still and not self.before(place):
            self._still = False

    def formatted(self):
        """Told before characters change their attributes somewhere."""
        self._still = False

    # ---- places ----

    def cursor_at(self, offset):
        """A collapsed cursor at offset from the selection's start, found from the portion that
        holds it; None when the selection has changed or the offset is not inside plain text
        of it (its end counts)."""
        if not self._still or offset < 0 or offset > len(self.text) or \
                not self._steps_are_code_units():
            return None
        if offset == len(self.text):
            last = self._last_character()
            if last is None:
                return None
            cursor = self._document_text.createTextCursorByRange(last)
            cursor.goRight(1, False)
            return cursor
        number = bisect.bisect_right(self._starts, offset) - 1
        portion = self.portions[number]
        if portion.kind != TEXT_PORTION or portion.part is None:
            return None
        cursor = self._document_text.createTextCursorByRange(portion.part.getStart())
        if offset > portion.offset:
            cursor.goRight(offset - portion.offset, False)
        return cursor

    def _steps_are_code_units(self):
        """Whether a cursor's step in the selection is one code unit of its text: text and
        paragraph breaks only (no field, mark, bookmark or tracked change) and nothing hidden."""
        if self._steps_are_units is None:
            self._steps_are_units = all(
                portion.kind in (TEXT_PORTION, PARAGRAPH_BREAK_KIND) for portion in self.portions
            ) and HIDDEN in self._defaults()
        return self._steps_are_units

    # ---- copies ----

    def clip(self, controller, index, length, text_range):
        """The Clip of [index, index + length) with its runs read from the portions, each one
        asked once; text_range() gives the stretch in the document when Writer's transferable
        is needed. None when the selection has changed or the stretch is not inside it: then
        the document must be asked."""
        if not self._still or length <= 0 or index < 0 or index + length > len(self.text):
            return None
        end = index + length
        single_paragraph = PARAGRAPH_BREAK_CHAR not in self.text[index:end]
        plain = single_paragraph
        runs = []
        # The last portion that starts before index, or at it, and then on.
        first = max(bisect.bisect_right(self._starts, index) - 1, 0)
        while first > 0 and self._starts[first - 1] == index:
            first -= 1  # empty portions at index come before it in the list
        for number in range(first, len(self.portions)):
            portion = self.portions[number]
            width = len(portion.text)
            start = portion.offset
            if start > end:
                break
            if width == 0:
                if index <= start <= end:
                    # A bookmark or a mark at or inside the stretch: Writer alone knows whether
                    # it belongs to the copy.
                    return None
                continue
            if start + width <= index or start >= end:
                continue
            if portion.part is None:
                runs.append((1, PARAGRAPH_BREAK))
                continue
            plain = plain and portion.kind == TEXT_PORTION and self._plain_of(number)
            runs.append((min(end, start + width) - max(index, start), self._values_of(number)))
        if plain:
            return Clip(runs, text=self.text[index:end])
        return Clip(runs, transferable=controller.getTransferableForTextRange(text_range()))

    def _values_of(self, number):
        if number not in self._values:
            if self._defaults().issuperset(MODELLED + HEIGHTS):
                self._values[number] = {}
            else:
                self._values[number] = read_modelled(self.portions[number].part)
        return self._values[number]

    def _plain_of(self, number):
        if number not in self._plain:
            self._plain[number] = self._defaults().issuperset(self.plain_names) or \
                not has_direct_value(self.portions[number].part, self.plain_names)
        return self._plain[number]

    def _defaults(self):
        """The names whose state over the whole selection is the default: no character of it
        carries them directly, so no portion needs to be asked about them."""
        if self._default_everywhere is None:
            names = tuple(dict.fromkeys(MODELLED + HEIGHTS + (HIDDEN,) + self.plain_names))
            try:
                states = self._whole_selection().getPropertyStates(names)
            except Exception:  # a name this range does not know: ask each portion
                states = ()
            self._default_everywhere = frozenset(
                name for name, state in zip(names, states) if state == DEFAULT_VALUE)
        return self._default_everywhere

    def _whole_selection(self):
        """A cursor over the selection as it was: text typed at its end since then, which moved
        the end of every range that ended there, is not part of it."""
        whole = self._document_text.createTextCursorByRange(self.selected.getStart())
        end = self._document_text.createTextCursorByRange(self._last_character())
        end.goRight(1, False)
        whole.gotoRange(end, True)
        return whole

    def _last_character(self):
        if self._last is None and self.usable:
            last = self._document_text.createTextCursorByRange(self.selected.getEnd())
            if not last.goLeft(1, False):
                return None
            self._last = last
        return self._last
