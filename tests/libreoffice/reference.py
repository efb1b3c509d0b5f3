"""The reference document's answer: the same query and script run on glyphwright.Document, read
back character by character as the Writer document is."""

import glyphwright

from writer_doc import Char

CHEMICAL_ITALIC = "Chemical Italic"
CHEMICAL_SMALL = "Chemical Small"


def make_query(query_class, settings):
    query = getattr(glyphwright, query_class)()
    for name, value in settings.items():
        setattr(query, name, value)
    return query


def formatted(before, selection, after, query_class, settings=None):
    """The reference document's characters after the query ran on the selection."""
    document = glyphwright.Document(before, selection, after)
    query = make_query(query_class, settings or {})
    if query_class == "ChemRDigitQuery":
        query.FontListener = document
    runner = glyphwright.CommandRunner()
    runner.Executer = document
    runner.Run(query.GetCommands(document.BeginQuery()))
    runner.Executer = None
    return chars_of(document)


def chars_of(document):
    """Every character of a reference document as a Char, paragraph marks with their style."""
    found = []
    position = 0  # in UTF-16 code units, as the document counts
    for char in document.Text():
        if char == "\r":
            found.append(Char(char, paragraph=document.ParagraphStyleAt(position)))
        else:
            look = document.FormatAt(position)
            found.append(Char(
                char, sub=look["subscript"], sup=look["superscript"],
                italic=look["italic"] or look["style"] == CHEMICAL_ITALIC, bold=look["bold"],
                small=look["small_caps"] or look["style"] == CHEMICAL_SMALL, style=look["style"]))
        position += 2 if ord(char) > 0xFFFF else 1
    found.append(Char("\r", paragraph=document.ParagraphStyleAt(position)))
    return found
