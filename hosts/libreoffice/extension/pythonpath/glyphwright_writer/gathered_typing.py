"""Text a script types or pastes at the cursor, gathered to go into the document in one insertion.

Typed one after another, each piece takes over the attributes of the character before it and is
then made plain and given its own formatting; inserted at once and made plain as a whole, the
pieces come out the same as long as what a piece takes over from the one before is plain again
after `make_plain`. That holds for direct italic, bold and script positions; a character style
or small capitals (which bring their size along) may do more, so a piece with those joins only
pieces of its own style, as typing always could. A typed paragraph break (TypeParagraph) is a
piece of its own and goes in as Writer's paragraph break between the runs of text."""

from dataclasses import dataclass

from .char_format import ESCAPEMENT

# Typing styles that are direct formatting which make_plain takes away again.
SIMPLE_STYLES = frozenset(("", "Italic", "Bold"))
# The modelled values a pasted run may carry and still be followed by other pieces.
SIMPLE_VALUES = frozenset(ESCAPEMENT + (
    "CharPosture", "CharPostureAsian", "CharPostureComplex",
    "CharWeight", "CharWeightAsian", "CharWeightComplex"))


PARAGRAPH_BREAK_TEXT = "\r"  # the text of a typed paragraph break: one step of the cursor


@dataclass
class Piece:
    text: str
    style: str = ""  # typed text: the style it is typed in
    runs: tuple = None  # pasted text: its runs, (width, modelled values)
    paragraph_break: bool = False  # a typed paragraph (TypeParagraph), its text CR

    def simple(self):
        if self.runs is None:
            return self.style in SIMPLE_STYLES
        return all(SIMPLE_VALUES.issuperset(values) for _, values in self.runs)


class GatheredTyping:
    def __init__(self):
        self.pieces = []
        self._simple = True  # every gathered piece is simple
        self._style = ""  # the style of every gathered piece, all of them typed; else None

    def __bool__(self):
        return bool(self.pieces)

    def joins(self, piece):
        """Whether the piece may go in together with the ones gathered."""
        if not self.pieces:
            return True
        if self._simple and piece.simple():
            return True
        return piece.runs is None and piece.style == self._style

    def add(self, piece):
        if not self.pieces:
            self._simple, self._style = True, piece.style
        self._simple = self._simple and piece.simple()
        if piece.runs is not None or piece.style != self._style:
            self._style = None
        last = self.pieces[-1] if self.pieces else None
        if last is not None and last.runs is None and piece.runs is None and \
                last.style == piece.style and not last.paragraph_break and \
                not piece.paragraph_break:
            last.text += piece.text
        else:
            self.pieces.append(piece)

    def take(self):
        """The gathered pieces, now no longer gathered."""
        pieces, self.pieces = self.pieces, []
        return pieces

    def take_back(self, simple, after_simple):
        """Takes the last typed character back; False when a backspace must go to the document:
        nothing gathered, pasted text last, or a character that may not be one step on its own.
        simple: the characters that are; after_simple: whether the character before the
        gathered pieces is one of them."""
        if not self.pieces or self.pieces[-1].runs is not None:
            return False
        last = self.pieces[-1].text
        if len(last) > 1:
            before = last[-2]
        elif len(self.pieces) > 1:
            before = self.pieces[-2].text[-1]
        else:
            before = "x" if after_simple else ""  # what matters: one of simple or not
        if last[-1] not in simple or before not in simple:
            return False
        if len(last) > 1:
            self.pieces[-1].text = last[:-1]
        else:
            self.pieces.pop()
        return True


def formatted_spans(pieces):
    """(first step, steps, piece, values) of each stretch that needs formatting after the whole
    was made plain: a styled typed piece (values None) or a pasted run with direct values. Steps
    count the cursor's steps: a character each, a CR one paragraph break."""
    spans = []
    at = 0
    for piece in pieces:
        if piece.runs is None:
            if piece.style and not piece.paragraph_break:
                spans.append((at, len(piece.text), piece, None))
            at += len(piece.text)
            continue
        for width, values in piece.runs:
            if values:
                spans.append((at, width, piece, values))
            at += width  # pasted text is gathered only when a code unit is one step
    return spans
