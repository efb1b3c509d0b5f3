"""The Writer Executer against the reference document: the same script, run on both with the
same text around the selection, leaves the same characters, formatting and paragraph styles.
Every script ends by typing "|" at the cursor, so the cursor's place is compared as well."""

import glyphwright
import pytest
from glyphwright_writer.script_run import run_script
from glyphwright_writer.writer_executer import WriterExecuter

import reference

FORMULA = "=1\n=1\nSubscript\n=3\n=2\nSubscript\n=6\n=1\nSubscript\n"  # C6H12O6

CASES = [
    # id, text before, selection, text after, script
    ("subscript, plain, superscript", "ab ", "H2O", " cd",
     "=1\n=1\nSubscript\n=1\n=1\nNormalScript\n=2\n=1\nSuperscript\n"),
    ("clearing one script state keeps the other", "", "x2y3", "",
     "=1\n=1\nSubscript\n=3\n=1\nSuperscript\n=0\n=4\nNormalScript\n=3\n=1\nSuperscript\n"
     "=0\n=4\nSuperscript\n=1\n=2\nNormalScript\n"),
    ("offsets after characters outside the BMP", "𝐀𝐁 ", "C6H12O6", " 𝐂", FORMULA),
    ("characters outside the BMP inside the selection", "", "𝐀2𝐁3", "",
     "=2\n=1\nSubscript\n=5\n=1\nSuperscript\n"),
    ("offsets across paragraph breaks", "one\rtwo ", "a\rb2", "\rthree",
     "=3\n=1\nSubscript\n=-2\n=1\nBold\n"),
    ("negative offsets reach text before the selection", "H2O ", "x", "",
     "=-3\n=1\nSubscript\n"),
    ("ranges are clamped to the text", "", "abc", "", "=1\n=99\nItalic\n=-99\n=100\nBold\n"),
    ("small capitals, bold and named styles", "", "D-glucose", "",
     "=0\n=1\nSmall\n=2\n=3\nBold\n=5\n=2\nChemical Italic\n=7\n=2\nChemical Small\n"),
    ("typed text takes over no subscript", "", "H2", " end",
     "=1\n=1\nSubscript\n=2\nGoTo\n=x\nTypeText\n"),
    ("typed text takes over no character style", "", "ab", "",
     "=0\n=2\nChemical Italic\n=2\nGoTo\n=c\nTypeText\n"),
    ("styled typing", "", "ab", "",
     "=2\nGoTo\n=J\n=Italic\nTypeStyledText\n=K\n=Chemical Italic\nTypeStyledText\n"
     "=L\n=Bold\nTypeStyledText\n"),
    ("a typed CR is a paragraph break", "", "ab", "", "=1\nGoTo\n=x\ry\nTypeText\n"),
    ("a replaced character keeps its formatting", "", "C#C*", "",
     "=0\n=4\nItalic\n=1\n=1\nSubscript\n=1\n=8801\nReplaceChar\n=3\n=-155\nReplaceChar\n"
     "=9\n=65\nReplaceChar\n"),
    ("backspace joins paragraphs", "one\r", "two", "", "=0\nGoTo\nTypeBackspace\n"),
    ("backspace at the start of the text does nothing", "", "ab", "",
     "=0\nGoTo\nTypeBackspace\n"),
    ("a typed paragraph keeps the paragraph style", "", "ab", "\rc",
     "=0\n=1\nSelect\n=NMR Spec Table\nApplyStyle\n=1\nGoTo\nTypeParagraph\n"),
    ("a selection ending after a break styles only its paragraphs", "", "a\rb\rc", "",
     "=0\n=2\nSelect\n=NMR Spec Table\nApplyStyle\n"),
    ("an empty selection styles the cursor's paragraph", "x\r", "a\rb", "",
     "=2\n=0\nSelect\n=NMR Spec Table\nApplyStyle\n"),
    ("character styles go to the selected characters", "", "abc", "",
     "=1\n=1\nSelect\n=Chemical Small\nApplyStyle\n=2\n=1\nSelect\n=Chemical Italic\nApplyStyle\n"),
    ("cut leaves the cursor at the start of the range", "", "abcdef", "",
     "=1\n=2\nCut\n=X\nTypeText\n"),
    ("paste puts back the copied attributes", "", "ab cd", "",
     "=0\n=1\nItalic\n=4\n=1\nSubscript\n=3\n=2\nCopy\n=1\nGoTo\nPaste\n"),
    ("paste after characters outside the BMP", "𝐀 ", "ab 𝐁d", "",
     "=0\n=1\nItalic\n=5\n=1\nBold\n=3\n=3\nCopy\n=1\nGoTo\nPaste\n"),
    ("a mixed range after characters outside the BMP", "𝐀 ", "x2y3", "",
     "=1\n=1\nSubscript\n=3\n=1\nSuperscript\n=1\n=3\nNormalScript\n"),
    ("paste inside a subscript", "", "H2 x", "",
     "=1\n=1\nSubscript\n=3\n=1\nCopy\n=2\nGoTo\nPaste\nPaste\n"),
    ("copy across a paragraph break", "", "ab\rcd", "", "=1\n=3\nCopy\n=5\nGoTo\nPaste\n"),
    ("a cut range can be pasted", "", "abcdef", "", "=0\n=2\nCut\n=2\nGoTo\nPaste\n"),
    ("delete moves the cursor with the text", "", "abcdef", "",
     "=4\nGoTo\n=0\n=2\nDelete\n=X\nTypeText\n"),
    ("end of selection and character steps", "", "abc", " d",
     "=EndOfSelection\nGoTo\n=X\nTypeText\n=PrevChar\nGoTo\n=PrevChar\nGoTo\n=Y\nTypeText\n"
     "=NextChar\nGoTo\n=Z\nTypeText\n"),
    ("the cursor position counts code units", "𝐀 ", "x𝐁y", "",
     "=3\nGoTo\n=$CursorPosition\nTypeText\n=0\nGoTo\n=$CursorPosition\nTypeText\n"),
    ("the cursor position after the old text is gone", "ab ", "cdef", "",
     "=4\nGoTo\n=0\n=2\nCut\n=$CursorPosition\nTypeText\n"),
]


def run_in_writer(doc, before, selection, after, script):
    doc.write(before + selection + after)
    doc.select_text(selection, occurrence=0 if selection not in before else 1)
    selected = doc.document.getCurrentController().getSelection().getByIndex(0)
    executer = WriterExecuter(doc.document, selected)
    run_script(script, executer)
    return executer


def run_in_reference(before, selection, after, script):
    document = glyphwright.Document(before, selection, after)
    run_script(script, document)
    return reference.chars_of(document)


@pytest.mark.parametrize("before, selection, after, script",
                         [pytest.param(*case[1:], id=case[0]) for case in CASES])
def test_script_leaves_what_the_reference_leaves(doc, before, selection, after, script):
    script += "=|\nTypeText\n"
    run_in_writer(doc, before, selection, after, script)
    assert doc.chars() == run_in_reference(before, selection, after, script)


STATE_CASES = [
    # formatting script, Index, Length
    ("=1\n=1\nSubscript\n", 1, 1),
    ("=1\n=1\nSubscript\n", 0, 2),
    ("=1\n=2\nSubscript\n", 1, 2),
    ("=1\n=2\nSuperscript\n", 1, 2),
    ("=0\n=1\nSuperscript\n=1\n=1\nSubscript\n", 0, 2),
    ("", 1, 0),
]


@pytest.mark.parametrize("script, index, length", STATE_CASES)
def test_font_listener_answers_as_the_reference_does(doc, script, index, length):
    executer = run_in_writer(doc, "𝐀 ", "H2O", "", script)
    document = glyphwright.Document("𝐀 ", "H2O", "")
    run_script(script, document)
    assert executer.GetSubscript(index, length, 0) == document.GetSubscript(index, length, 0)
    assert executer.GetSuperscript(index, length, 0) == document.GetSuperscript(index, length, 0)


@pytest.mark.parametrize("script", ["=Somewhere\nGoTo\n", "=1\n=70000\nReplaceChar\n"])
def test_invalid_arguments_fail_as_in_the_reference(doc, script):
    with pytest.raises(glyphwright.AutomationError) as in_writer:
        run_in_writer(doc, "", "abc", "", script)
    with pytest.raises(glyphwright.AutomationError) as in_reference:
        run_in_reference("", "abc", "", script)
    assert (in_writer.value.number, in_writer.value.description) == \
        (in_reference.value.number, in_reference.value.description)


@pytest.mark.parametrize("script", [
    "=0\n=1\nSelect\n=NMR Spec Table\nApplyStyle\n=0\nGoTo\nTypeBackspace\n",
    "=0\n=1\nSelect\n=NMR Spec Table\nApplyStyle\n=-2\n=3\nCut\n",
])
def test_joined_paragraphs_keep_the_style_of_the_first(doc, script):
    # Writer's way, unlike the reference document (which keeps the second's): a peak list joined
    # to its heading stays in the heading's style, not in the style of the table rows it replaced.
    run_in_writer(doc, "one\r", "two", "", script)
    text = "".join("" if char.paragraph is not None else char.char for char in doc.chars())
    assert text in ("onetwo", "onwo")
    assert doc.chars()[-1].paragraph == ""
