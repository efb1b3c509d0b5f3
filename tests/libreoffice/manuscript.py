"""Texts for the bulk pass tests: the prose corpus as plain sentences, a Writer document with body
text, tables and footnotes written from it, and what the reference document makes of each
paragraph."""

import pathlib
import random
import re

import glyphwright

import reference
from conftest import SOURCE
from writer_doc import Char, paragraph_chars

CORPUS = SOURCE / "tests" / "prose" / "corpus"
# The corpus marks its formatting inline: _{4} subscript, ^{2-} superscript, *{N} italic, !{1999}
# bold, ~{D} small capitals, %{#} a character the script replaces.
MARK = re.compile(r"[_^*!~%]\{([^}]*)\}")


def plain(labelled):
    return MARK.sub(lambda found: found.group(1), labelled)


def corpus(traps):
    """The corpus sentences as plain text: the traps (which carry no formatting) or the others."""
    found = []
    for path in sorted(pathlib.Path(CORPUS).glob("*/*.txt")):
        if (path.stem == "traps") != traps:
            continue
        for line in path.read_text(encoding="utf-8").splitlines():
            if line and not line.startswith("#") and not (traps and MARK.search(line)):
                found.append(plain(line))
    return found


def expected_chars(text, before="", after="", hand=()):
    """The reference document's characters of text after ChemTextQuery ran on it, the
    document answering what is lowered or raised; hand lists (offset, "sub" or "sup") set
    beforehand. Without the closing paragraph break."""
    document = glyphwright.Document(before, text, after)
    for offset, look in hand:
        getattr(document, "SetSubscript" if look == "sub" else "SetSuperscript")(
            len(before) + offset, 1, True)
    query = glyphwright.ChemTextQuery()
    query.FontListener = document
    runner = glyphwright.CommandRunner()
    runner.Executer = document
    runner.Run(query.GetCommands(document.BeginQuery()))
    runner.Executer = None
    query.FontListener = None
    return reference.chars_of(document)[:-1]


def expected_with_marks(text, marks, looks_before=None, start=0, end=None):
    """As expected_chars for the part [start, end) of a paragraph with notes' marks at the
    offsets marks: the pass reads a mark as blanks, and the mark keeps the looks it had before
    (looks_before; without them, the mark as plain text)."""
    blanked = "".join(" " if index in marks else char for index, char in enumerate(text))
    end = len(text) if end is None else end
    found = expected_chars(blanked[start:end], before=blanked[:start], after=blanked[end:])
    for index in marks:
        found[index] = looks_before[index] if looks_before else Char(text[index])
    return found


def paragraphs(text):
    """The paragraphs of a Writer text in reading order, the cells of its tables included."""
    found = []
    enumeration = text.createEnumeration()
    while enumeration.hasMoreElements():
        element = enumeration.nextElement()
        if element.supportsService("com.sun.star.text.TextTable"):
            for name in element.getCellNames():
                found.extend(paragraphs(element.getCellByName(name)))
        else:
            found.append(element)
    return found


def every_paragraph(document):
    """The body's paragraphs (tables included), then those of the footnotes."""
    found = paragraphs(document.getText())
    notes = document.getFootnotes()
    for index in range(notes.getCount()):
        found.extend(paragraphs(notes.getByIndex(index)))
    return found


def looks_of(paragraph):
    """A paragraph's characters with their formatting, without its paragraph break."""
    return paragraph_chars(paragraph)[:-1]


def add_table(document, cells):
    """Appends a table of one row, a cell for each text."""
    table = document.createInstance("com.sun.star.text.TextTable")
    table.initialize(1, len(cells))
    text = document.getText()
    text.insertTextContent(text.getEnd(), table, False)
    for name, cell_text in zip(table.getCellNames(), cells):
        table.getCellByName(name).setString(cell_text)


def add_footnote(document, note_text):
    """Puts a footnote at the end of the body text."""
    note = document.createInstance("com.sun.star.text.Footnote")
    text = document.getText()
    text.insertTextContent(text.getEnd(), note, False)
    note.setString(note_text)


def append(document, text):
    body = document.getText()
    body.insertString(body.getEnd(), text, False)


class Manuscript:
    """A long paper written from the corpus: paragraphs of four sentences, a paragraph of traps
    now and then, a one-row table and a footnote with a reference every few paragraphs."""

    SENTENCES = 4

    def __init__(self, rounds, seed=18):
        chance = random.Random(seed)
        items, traps = corpus(traps=False), corpus(traps=True)
        references = [line for line in items if re.search(r"\b(19|20)\d\d\b", line)]
        self.entries = []  # ("paragraph", text, footnote or None) or ("table", cell texts)
        self.trap_paragraphs = []
        order = []
        for _ in range(rounds):
            chance.shuffle(items)
            order.extend(items)
        for count, index in enumerate(range(0, len(order), self.SENTENCES), 1):
            note = chance.choice(references) if count % 12 == 0 else None
            self.entries.append(("paragraph", " ".join(order[index:index + self.SENTENCES]), note))
            if count % 6 == 0:
                trap = " ".join(chance.sample(traps, self.SENTENCES))
                self.entries.append(("paragraph", trap, None))
                self.trap_paragraphs.append(trap)
            if count % 25 == 0:
                self.entries.append(("table", [chance.choice(items), chance.choice(items)]))

    def texts(self):
        """The text of every paragraph in reading order, body and tables, then footnotes: a
        paragraph with a footnote ends in its mark, the footnote's number."""
        return [text for text, _ in self.paragraphs()]

    def cells(self):
        return [cell for entry in self.entries if entry[0] == "table" for cell in entry[1]]

    def notes(self):
        return [entry[2] for entry in self.entries if entry[0] == "paragraph" and entry[2]]

    def paragraphs(self):
        """(text, offsets of the footnotes' marks) of every paragraph in reading order."""
        body, notes = [], []
        for entry in self.entries:
            if entry[0] == "table":
                body.extend((cell, ()) for cell in entry[1])
            elif entry[2] is None:
                body.append((entry[1], ()))
            else:
                notes.append((entry[2], ()))
                mark = str(len(notes))
                body.append((entry[1] + mark, range(len(entry[1]), len(entry[1]) + len(mark))))
        return body + notes

    def write(self, document):
        """Writes the manuscript into an empty Writer document."""
        pending = []
        for entry in self.entries:
            if entry[0] == "table":
                append(document, "\r".join(pending))
                pending = []
                add_table(document, entry[1])
                continue
            _, text, note = entry
            if note is None:
                pending.append(text)
                continue
            append(document, "\r".join(pending + [text]))
            pending = []
            add_footnote(document, note)
            append(document, "\r")
        append(document, "\r".join(pending))
