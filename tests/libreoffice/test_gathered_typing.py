"""The Writer Executer that gathers typing, as the jobs use it, leaves what the one that types at
once leaves: the reference document's characters, formatting and paragraph styles. So does the
remembered place that positions walk on from, after edits before, at and after it; and, given
the selection as the query read it (as the jobs give it), copies and places taken from there while
no edit has reached it, and from the document once one has."""

import glyphwright
import pytest
from glyphwright_writer.origin_text import OriginText
from glyphwright_writer.script_run import run_script
from glyphwright_writer.writer_executer import WriterExecuter

from test_writer_executer import CASES, run_in_reference, run_in_writer

GATHERING_CASES = [
    # id, text before, selection, text after, script
    ("pieces typed one after another", "", "ab", " c",
     "=2\nGoTo\n=x\nTypeText\n=y\nTypeText\n=1\n=1\nSubscript\n=z\nTypeText\n"),
    ("backspaces take back gathered typing", "", "ab", "",
     "=2\nGoTo\n=x, \nTypeText\n=, \nTypeText\nTypeBackspace\nTypeBackspace\n=)\nTypeText\n"),
    ("backspaces beyond the gathered typing reach the document", "", "abc", "",
     "=3\nGoTo\n=xy\nTypeText\nTypeBackspace\nTypeBackspace\nTypeBackspace\nTypeBackspace\n"),
    ("a backspace after a combining mark goes to the document", "", "ab", "",
     "=2\nGoTo\n=xe\u0301\nTypeText\nTypeBackspace\n"),
    ("a backspace after a typed paragraph break", "", "ab", "",
     "=1\nGoTo\n=x\ry\nTypeText\nTypeBackspace\nTypeBackspace\n"),
    ("a backspace after a paste takes back what was typed after it", "", "ab cd", "",
     "=0\n=1\nItalic\n=3\n=2\nCopy\n=EndOfSelection\nGoTo\nPaste\n=,\nTypeText\n"
     "TypeBackspace\nTypeBackspace\n=)\nTypeText\n"),
    ("a backspace after a move goes to the document", "", "ab cd", "",
     "=2\nGoTo\n=x\nTypeText\n=4\nGoTo\n=y\nTypeText\nTypeBackspace\nTypeBackspace\n"),
    ("styled and plain typing", "", "ab", "",
     "=2\nGoTo\n=1 \nTypeText\n=J\n=Italic\nTypeStyledText\n=K\n=Italic\nTypeStyledText\n"
     "= = 7\nTypeText\n"),
    ("the cursor position sees the gathered typing", "", "ab", "",
     "=1\nGoTo\n=xyz\nTypeText\n=$CursorPosition\n=1\nSubscript\n"),
    ("paste after gathered typing", "", "ab cd", "",
     "=0\n=1\nItalic\n=0\n=2\nCopy\n=EndOfSelection\nGoTo\n=, \nTypeText\nPaste\n=.\nTypeText\n"),
    ("places in order, typing after them", "", "abcdefgh", "",
     "=1\n=1\nCopy\n=EndOfSelection\nGoTo\nPaste\n=3\n=1\nCopy\n=EndOfSelection\nGoTo\nPaste\n"
     "=5\n=1\nBold\n=7\n=1\nItalic\n"),
    # Each edit below happens at or before the last place found; the one format after it names a
    # place past that one, which a stale memory would find at the wrong character.
    ("a deletion before the remembered place", "", "abcdefgh", "",
     "=4\n=1\nSubscript\n=0\n=2\nDelete\n=5\n=1\nBold\n"),
    ("typing at the remembered place", "", "abcdefgh", "",
     "=3\n=1\nSubscript\n=4\nGoTo\n=XY\nTypeText\n=5\n=1\nBold\n"),
    ("a paste at the remembered place", "", "abcdefgh", "",
     "=3\n=1\nBold\n=0\n=2\nCopy\n=4\nGoTo\nPaste\n=5\n=1\nItalic\n"),
    ("a replaced character at the remembered place", "", "abcdefgh", "",
     "=2\n=2\nItalic\n=4\n=88\nReplaceChar\n=5\n=1\nBold\n"),
    ("a cut before the remembered place", "", "abcdefgh", "",
     "=6\n=1\nBold\n=1\n=2\nCut\n=5\n=1\nItalic\n"),
    ("a typed paragraph at the remembered place", "", "abcdefgh", "",
     "=6\n=1\nBold\n=2\nGoTo\nTypeParagraph\n=6\n=1\nItalic\n"),
    ("a backspace at the remembered place", "", "abcdefgh", "",
     "=4\nGoTo\nTypeBackspace\n=5\n=1\nBold\n"),
    # Copies of the selection and places in it, while it stands and after an edit reached it:
    # a stale copy or place shows in the characters.
    ("copies of the selection between typed pieces", "x ", "ab cd ef", " y",
     "=EndOfSelection\nGoTo\n=[\nTypeText\n=0\n=2\nCopy\nPaste\n=J\n=Italic\nTypeStyledText\n"
     "=3\n=2\nCopy\nPaste\n=, \nTypeText\n=6\n=2\nCopy\nPaste\n=]\nTypeText\n"),
    ("a copy after a deletion inside the selection", "", "abcdef", "",
     "=EndOfSelection\nGoTo\n=x\nTypeText\n=1\n=2\nDelete\n=1\n=2\nCopy\n"
     "=EndOfSelection\nGoTo\nPaste\n"),
    ("a copy after a format inside the selection", "", "abcdef", "",
     "=EndOfSelection\nGoTo\n=x\nTypeText\n=1\n=2\nItalic\n=0\n=4\nCopy\nPaste\n"),
    ("a copy after a subscript inside the selection", "", "H2O", "",
     "=1\n=1\nSubscript\n=0\n=3\nCopy\n=EndOfSelection\nGoTo\nPaste\n"),
    ("a copy after a paragraph style", "", "ab", "\rc",
     "=0\n=1\nSelect\n=NMR Spec Table\nApplyStyle\n=0\n=2\nCopy\n=EndOfSelection\nGoTo\n"
     "Paste\n"),
    ("a copy sees typing gathered at the selection's start", "", "abcd", "",
     "=0\nGoTo\n=XY\nTypeText\n=0\n=3\nCopy\n=EndOfSelection\nGoTo\nPaste\n"),
    ("a copy sees typing gathered inside the selection", "", "abcd", "",
     "=2\nGoTo\n=XY\nTypeText\n=1\n=3\nCopy\n=EndOfSelection\nGoTo\nPaste\n"),
    ("a copy after a backspace into the selection", "", "abcd", "",
     "=EndOfSelection\nGoTo\nTypeBackspace\n=2\n=3\nCopy\nPaste\n"),
    ("a copy across a paragraph break of the selection", "", "ab\rcd", "",
     "=EndOfSelection\nGoTo\n=x\nTypeText\n=1\n=3\nCopy\nPaste\n=y\nTypeText\n"),
    ("a copy reaching past the selection", "", "ab", " cd",
     "=EndOfSelection\nGoTo\n=x\nTypeText\n=1\n=3\nCopy\nPaste\n"),
    ("a copy of the whole selection", "", "abc", "",
     "=0\n=3\nCopy\n=EndOfSelection\nGoTo\nPaste\nPaste\n"),
    ("places in the selection while typing goes in after it", "", "H2SO4", "",
     "=EndOfSelection\nGoTo\n=x\nTypeText\n=1\n=1\nSubscript\n=4\n=1\nSubscript\n"
     "=5\nGoTo\n=y\nTypeText\n=0\n=5\nSelect\n"),
    ("places after an edit reached the selection", "", "abcdef", "",
     "=EndOfSelection\nGoTo\n=x\nTypeText\n=0\n=2\nCut\n=2\n=1\nBold\n=4\nGoTo\n=y\nTypeText\n"),
    ("places across paragraph breaks of the selection", "a\r", "b\rcd\re", "\rf",
     "=EndOfSelection\nGoTo\n=x\nTypeText\n=2\n=1\nItalic\n=5\n=1\nBold\n=5\nGoTo\n"
     "=y\nTypeText\n"),
    ("the cut of the selection and the text after it", "", "ab\rcd", "\rz",
     "=EndOfSelection\nGoTo\n=x\nTypeText\n=0\n=6\nCut\n=z\nTypeText\nPaste\n"),
    ("a paste, a backspace and typing after it", "", "ab cd", "",
     "=EndOfSelection\nGoTo\n=0\n=2\nCopy\nPaste\nTypeBackspace\n=x\nTypeText\nPaste\n"
     "=, \nTypeText\nTypeBackspace\nTypeBackspace\nTypeBackspace\n"),
    ("typed paragraphs between gathered pieces", "", "ab", " c",
     "=EndOfSelection\nGoTo\n=x\nTypeText\nTypeParagraph\n=J\n=Italic\nTypeStyledText\n"
     "TypeParagraph\nTypeParagraph\n=0\n=2\nCopy\nPaste\nTypeParagraph\n=y\nTypeText\n"
     "TypeBackspace\nTypeBackspace\n=z\nTypeText\n"),
    ("typed paragraphs after a character style", "", "ab", "",
     "=1\nGoTo\n=x\n=Chemical Small\nTypeStyledText\nTypeParagraph\n=y\nTypeText\n"
     "TypeParagraph\n"),
    ("typed paragraphs in a styled paragraph", "", "ab", "\rc",
     "=0\n=1\nSelect\n=NMR Spec Table\nApplyStyle\n=1\nGoTo\n=x\nTypeText\nTypeParagraph\n"
     "=y\nTypeText\nTypeParagraph\n"),
    ("pasted text between pieces in a character style", "", "ab", "",
     "=EndOfSelection\nGoTo\n=x\n=Chemical Small\nTypeStyledText\n=0\n=2\nCopy\nPaste\n"
     "=y\n=Chemical Small\nTypeStyledText\n=z\nTypeText\n"),
    ("a copy of small capitals pasted between typed pieces", "", "abc", "",
     "=0\n=2\nSmall\n=0\n=3\nCopy\n=EndOfSelection\nGoTo\n=x\nTypeText\nPaste\n"
     "=y\nTypeText\n=1\n=1\nCopy\nPaste\n=z\nTypeText\n"),
]


def run_gathering(doc, before, selection, after, script, with_origin=False):
    doc.write(before + selection + after)
    doc.select_text(selection, occurrence=0 if selection not in before else 1)
    selected = doc.document.getCurrentController().getSelection().getByIndex(0)
    origin = OriginText(selected) if with_origin else None
    executer = WriterExecuter(doc.document, selected, batched=True, origin=origin)
    run_script(script, executer)
    executer.finish()
    return executer


ALL_CASES = CASES + GATHERING_CASES


@pytest.mark.parametrize("with_origin", [False, True], ids=["document", "origin"])
@pytest.mark.parametrize("before, selection, after, script",
                         [pytest.param(*case[1:], id=case[0]) for case in ALL_CASES])
def test_gathered_typing_leaves_what_the_reference_leaves(doc, before, selection, after, script,
                                                          with_origin):
    script += "=|\nTypeText\n"
    run_gathering(doc, before, selection, after, script, with_origin)
    assert doc.chars() == run_in_reference(before, selection, after, script)


@pytest.mark.parametrize("before, selection, after, script",
                         [pytest.param(*case[1:], id=case[0]) for case in GATHERING_CASES])
def test_typing_at_once_leaves_what_the_reference_leaves(doc, before, selection, after, script):
    script += "=|\nTypeText\n"
    run_in_writer(doc, before, selection, after, script)
    assert doc.chars() == run_in_reference(before, selection, after, script)


def start_gathering(doc, text):
    doc.write(text)
    doc.select_text(text)
    selected = doc.document.getCurrentController().getSelection().getByIndex(0)
    executer = WriterExecuter(doc.document, selected, batched=True)
    runner = glyphwright.CommandRunner()
    runner.Executer = executer
    return executer, runner


def test_the_last_typing_goes_in_at_finish(doc):
    executer, runner = start_gathering(doc, "ab")
    runner.Run("=2\nGoTo\n=xy\nTypeText\n")
    runner.Executer = None
    assert doc.plain_text() == "ab"
    assert not executer.changed
    executer.finish()
    assert doc.plain_text() == "abxy"
    assert executer.changed


def test_a_failed_run_with_only_gathered_typing_changed_nothing(doc):
    # A job undoes a failed run only when the executer changed the document: typing that never
    # went in must not count, or the undo would take back the user's own last edit.
    executer, runner = start_gathering(doc, "ab")
    with pytest.raises(glyphwright.AutomationError):
        runner.Run("=2\nGoTo\n=xy\nTypeText\nMinus\n")  # Minus without its numbers
    runner.Executer = None
    assert not executer.changed
    assert doc.plain_text() == "ab"


def test_gathered_text_longer_than_one_cursor_step(doc):
    # goLeft and goRight take at most 32767 steps; one insertion of more must still be found and
    # formatted in full.
    script = ("=EndOfSelection\nGoTo\n" + "=" + "x" * 20000 + "\nTypeText\n=J\n=Italic\n"
              "TypeStyledText\n" + "=" + "y" * 20000 + "\nTypeText\n=0\n=2\nCopy\nPaste\n"
              "=K\n=Bold\nTypeStyledText\n=z\nTypeText\n")
    run_gathering(doc, "", "ab", "", script, with_origin=True)
    assert doc.chars() == run_in_reference("", "ab", "", script)
