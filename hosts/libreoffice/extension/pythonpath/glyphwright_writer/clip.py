"""Copy and paste inside one document, formatting included, without the system clipboard."""

from com.sun.star.beans.PropertyState import DIRECT_VALUE

from .char_format import MODELLED, read_modelled, write_modelled
from .text_positions import PARAGRAPH_BREAK, text_runs

# Portions that are text and nothing else: no field, bookmark, footnote, frame or change mark.
TEXT_PORTION = "Text"


class Clip:
    """A copied stretch of a Writer text: the width and attributes of each of its runs, and
    Writer's own transferable. Writer lets the attributes of the character before the insertion
    point spread over pasted text; the runs put the copied attributes back.

    Plain text in one paragraph, whose characters carry no direct attribute beyond the ones the
    runs keep, needs no transferable: typed at the insertion point it takes over the same
    spreading attributes, and the runs put back the rest. `plain_names` lists the character
    properties that must then come from styles alone; None always takes the transferable."""

    def __init__(self, runs=(), text=None, transferable=None):
        """runs: (width, modelled values or PARAGRAPH_BREAK); text: the plain text, when that is
        all the clip needs; transferable: Writer's own, otherwise."""
        self.runs = list(runs)
        self.text = text
        self.transferable = transferable

    @classmethod
    def of_range(cls, controller, text_range, plain_names=None):
        """The clip of a range of the document."""
        if text_range.isCollapsed():
            return cls()
        kinds = [] if plain_names is not None else None
        runs = text_runs(text_range, kinds)
        kept = [(width, part if part is PARAGRAPH_BREAK else read_modelled(part))
                for width, part in runs]
        if plain_names is not None and _plain(kinds, runs, plain_names):
            return cls(kept, text=text_range.getString())
        return cls(kept, transferable=controller.getTransferableForTextRange(text_range))

    def empty(self):
        return self.transferable is None and self.text is None

    def paste(self, controller, positions, cursor):
        """Inserts the clip at the collapsed cursor, which ends after it."""
        text = positions.text
        if self.text is not None:
            text.insertString(cursor, self.text, False)
            start = text.createTextCursorByRange(cursor)
            start.goLeft(len(self.text), False)  # one paragraph: a step a character
            self._restore(positions, start)
            return
        before = text.createTextCursorByRange(cursor)
        at_text_start = not before.goLeft(1, False)
        view = controller.getViewCursor()
        view.gotoRange(cursor, False)
        controller.insertTransferable(self.transferable)
        cursor.gotoRange(view.getEnd(), False)
        start = text.createTextCursorByRange(before)
        if at_text_start:
            start.gotoStart(False)
        else:
            start.goRight(1, False)
        self._restore(positions, start)

    def _restore(self, positions, place):
        for width, values in self.runs:
            run = positions.text.createTextCursorByRange(place)
            positions.move(run, width, expand=True)
            if values is not PARAGRAPH_BREAK:
                write_modelled(run, values)
            place.gotoRange(run.getEnd(), False)


def plain_property_names(text_range):
    """The character properties of a text range that a plain clip must not carry directly."""
    kept = set(MODELLED)  # the heights only come back with small capitals: not kept
    return tuple(prop.Name for prop in text_range.getPropertySetInfo().getProperties()
                 if (prop.Name.startswith("Char") or prop.Name.startswith("HyperLink")
                     or prop.Name.startswith("Ruby") or prop.Name == "TextUserDefinedAttributes")
                 and prop.Name not in kept)


def _plain(kinds, runs, names):
    """Whether the range is text in one paragraph, its runs without direct attributes among
    names. Empty portions count too: a field that shows nothing is still a character of the
    text."""
    if any(kind != TEXT_PORTION for kind in kinds):
        return False
    for _, part in runs:
        if part is PARAGRAPH_BREAK or has_direct_value(part, names):
            return False
    return True


def has_direct_value(part, names):
    """Whether the text range carries one of the character properties names directly."""
    try:
        return DIRECT_VALUE in part.getPropertyStates(names)
    except Exception:  # a property this portion does not know: take the transferable
        return True
