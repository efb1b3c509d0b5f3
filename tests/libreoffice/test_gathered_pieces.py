"""Which typed and pasted pieces go into the document together, what a backspace takes back from
them, and where each one's own formatting goes once they are in (the cursor's steps)."""

import pytest
from com.sun.star.awt.FontSlant import ITALIC

from glyphwright_writer.gathered_typing import GatheredTyping, Piece, formatted_spans
from glyphwright_writer.writer_executer import SIMPLE

ITALIC_RUN = {"CharPosture": ITALIC}
SUBSCRIPT_RUN = {"CharEscapement": -33, "CharEscapementHeight": 58, "CharAutoEscapement": True}
SMALL_RUN = {"CharCaseMap": 4, "CharHeight": 9.6}
STYLED_RUN = {"CharStyleName": "Emphasis"}

JOIN_CASES = [
    # id, gathered pieces, the next piece, whether it joins them
    ("anything joins nothing", [], Piece("x", "Chemical Small"), True),
    ("plain after plain", [Piece("a")], Piece("b"), True),
    ("italic after plain", [Piece("a")], Piece("J", "Italic"), True),
    ("plain after bold", [Piece("a", "Bold")], Piece("b"), True),
    ("a pasted subscript after plain", [Piece("a")], Piece("2", runs=((1, SUBSCRIPT_RUN),)), True),
    ("plain after a pasted italic", [Piece("b", runs=((1, ITALIC_RUN),))], Piece("c"), True),
    ("a character style after plain", [Piece("a")], Piece("b", "Chemical Italic"), False),
    ("plain after a character style", [Piece("a", "Chemical Italic")], Piece("b"), False),
    ("the same character style", [Piece("a", "Chemical Italic")], Piece("b", "Chemical Italic"),
     True),
    ("another character style", [Piece("a", "Chemical Italic")], Piece("b", "Chemical Small"),
     False),
    ("plain after pasted small capitals", [Piece("ab", runs=((2, SMALL_RUN),))], Piece("c"),
     False),
    ("pasted small capitals after plain", [Piece("a")], Piece("bc", runs=((2, SMALL_RUN),)),
     False),
    ("plain after a pasted character style", [Piece("a", runs=((1, STYLED_RUN),))], Piece("b"),
     False),
    ("a paste after a character style", [Piece("a", "Chemical Italic")],
     Piece("b", runs=((1, {}),)), False),
]


@pytest.mark.parametrize("gathered, piece, joins",
                         [pytest.param(*case[1:], id=case[0]) for case in JOIN_CASES])
def test_which_pieces_join(gathered, piece, joins):
    typing = GatheredTyping()
    for earlier in gathered:
        assert typing.joins(earlier)
        typing.add(earlier)
    assert typing.joins(piece) == joins


def test_a_taken_typing_starts_afresh():
    typing = GatheredTyping()
    typing.add(Piece("a", "Chemical Italic"))
    assert [piece.text for piece in typing.take()] == ["a"]
    assert not typing
    assert typing.joins(Piece("b")) and typing.joins(Piece("b", "Chemical Small"))
    typing.add(Piece("b"))
    assert typing.joins(Piece("c", "Italic"))


def gathered(*pieces):
    typing = GatheredTyping()
    for piece in pieces:
        typing.add(piece)
    return typing


TAKE_BACK_CASES = [
    # id, pieces, the character before them is simple, taken back, the texts left
    ("the last of a piece", [Piece("ab")], False, True, ["a"]),
    ("a piece of one character after a simple one", [Piece("a"), Piece("J", "Italic")], False,
     True, ["a"]),
    ("one character after the document's simple one", [Piece("a")], True, True, []),
    ("one character after the document's other one", [Piece("a")], False, False, ["a"]),
    ("a combining mark", [Piece("e\u0301")], True, False, ["e\u0301"]),
    ("after a combining mark", [Piece("\u0301x")], True, False, ["\u0301x"]),
    ("a paragraph break", [Piece("a\r")], True, False, ["a\r"]),
    ("pasted text", [Piece("a"), Piece("bc", runs=((2, {}),))], True, False, ["a", "bc"]),
    ("typing after pasted text", [Piece("bc", runs=((2, {}),)), Piece(",")], False, True, ["bc"]),
    ("nothing gathered", [], True, False, []),
]


@pytest.mark.parametrize("pieces, after_simple, taken, left",
                         [pytest.param(*case[1:], id=case[0]) for case in TAKE_BACK_CASES])
def test_what_a_backspace_takes_back(pieces, after_simple, taken, left):
    typing = gathered(*pieces)
    assert typing.take_back(SIMPLE, after_simple) == taken
    assert [piece.text for piece in typing.pieces] == left


def test_pieces_of_one_style_in_a_row_are_one_piece():
    typing = gathered(Piece("1"), Piece("0"), Piece("J", "Italic"), Piece(" = "), Piece("7"))
    assert [(piece.text, piece.style) for piece in typing.pieces] == \
        [("10", ""), ("J", "Italic"), (" = 7", "")]


def test_formatting_goes_to_the_steps_of_its_piece():
    pieces = [Piece("7.26 (d, "), Piece("J", "Italic"), Piece(" = 8\r"),
              Piece("H2O", runs=((1, {}), (1, SUBSCRIPT_RUN), (1, {}))), Piece(", "),
              Piece("x", "Chemical Small")]
    assert formatted_spans(pieces) == [
        (9, 1, pieces[1], None),
        (16, 1, pieces[3], SUBSCRIPT_RUN),
        (20, 1, pieces[5], None),
    ]
