"""Copy and paste inside one document, formatting included, without the system clipboard."""

from .char_format import read_modelled, write_modelled
from .text_positions import PARAGRAPH_BREAK, text_runs


class Clip:
    """A copied stretch of a Writer text: Writer's own transferable, and the width and attributes
    of each of its runs. Writer lets the attributes of the character before the insertion point
    spread over pasted text; the runs put the copied attributes back."""

    def __init__(self, controller, text_range):
        self.runs = []
        self.transferable = None
        if text_range.isCollapsed():
            return
        self.transferable = controller.getTransferableForTextRange(text_range)
        self.runs = [(width, part if part is PARAGRAPH_BREAK else read_modelled(part))
                     for width, part in text_runs(text_range)]

    def empty(self):
        return self.transferable is None

    def paste(self, controller, positions, cursor):
        """Inserts the clip at the collapsed cursor, which ends after it."""
        text = positions.text
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
