"""The paragraphs a bulk pass reads, in the order a reader meets them: the body text with the
cells of its tables (nested tables too), then the footnotes and the endnotes. Each paragraph comes
as a text range of its own text, cut to the selection when the pass works on one."""

from com.sun.star.lang import IllegalArgumentException

PARAGRAPH = "com.sun.star.text.Paragraph"
TABLE = "com.sun.star.text.TextTable"
TABLE_CURSOR = "com.sun.star.text.TextTableCursor"
TEXT_RANGES = "com.sun.star.text.TextRanges"
COLUMN_LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"


def document_paragraphs(document):
    """Every non-empty paragraph of the body, its tables, its footnotes and its endnotes."""
    found = []
    _paragraphs_of(document.getText(), found)
    for notes in _notes(document):
        for index in range(notes.getCount()):
            _paragraphs_of(notes.getByIndex(index), found)
    return found


def selection_paragraphs(document):
    """The non-empty paragraphs of the selection, each cut to the selected part; a table inside
    the selection and selected table cells count whole, and so does a footnote or endnote whose
    mark lies in selected text. None when nothing is selected."""
    selection = document.getCurrentController().getSelection()
    if selection is None:
        return None
    found = []
    if selection.supportsService(TABLE_CURSOR):
        _selected_cells(document, selection, found)
        return found or None
    if not selection.supportsService(TEXT_RANGES):
        return None
    ranges = [selection.getByIndex(i) for i in range(selection.getCount())]
    ranges = [selected for selected in ranges if not _collapsed(selected)]
    for selected in ranges:
        _paragraphs_in_range(selected, found)
    for notes in _notes(document):
        for index in range(notes.getCount()):
            note = notes.getByIndex(index)
            if any(_holds(selected, note.getAnchor()) for selected in ranges):
                _paragraphs_of(note, found)
    return found if ranges else None


def _notes(document):
    return [getter() for getter in (getattr(document, "getFootnotes", None),
                                    getattr(document, "getEndnotes", None)) if getter]


def _paragraphs_of(text, found):
    enumeration = text.createEnumeration()
    while enumeration.hasMoreElements():
        element = enumeration.nextElement()
        if element.supportsService(PARAGRAPH):
            if element.getString():
                found.append(element)
        elif element.supportsService(TABLE):
            _cells_of(element, element.getCellNames(), found)


def _cells_of(table, names, found):
    for name in names:
        _paragraphs_of(table.getCellByName(name), found)


def _selected_cells(document, table_cursor, found):
    """The cells a table cursor spans ("B2:C4"), row by row."""
    table = document.getCurrentController().getViewCursor().TextTable
    if table is None:
        return
    corners = [_cell_position(name) for name in table_cursor.getRangeName().split(":")]
    if None in corners:
        return
    (first_column, first_row), (last_column, last_row) = corners[0], corners[-1]
    for name in table.getCellNames():
        place = _cell_position(name)
        if place is not None and first_column <= place[0] <= last_column and \
                first_row <= place[1] <= last_row:
            _paragraphs_of(table.getCellByName(name), found)


def _cell_position(name):
    """(column, row) of a cell name such as "B2" or "AA10"; None for the name of a split cell
    ("A1.1.1") or anything else."""
    letters = name.rstrip("0123456789")
    digits = name[len(letters):]
    if not letters or not digits or not letters.isalpha() or not letters.isascii():
        return None
    column = 0
    for letter in letters:
        # Writer names columns A to Z, then a to z, then AA, AB...
        column = column * 52 + COLUMN_LETTERS.index(letter) + 1
    return column, int(digits)


def _paragraphs_in_range(selected, found):
    text = selected.getText()
    start, end = selected.getStart(), selected.getEnd()
    cursor = text.createTextCursorByRange(selected)
    enumeration = cursor.createEnumeration()
    while enumeration.hasMoreElements():
        element = enumeration.nextElement()
        if element.supportsService(TABLE):
            _cells_of(element, element.getCellNames(), found)
            continue
        if not element.supportsService(PARAGRAPH):
            continue
        # compareRegionStarts(a, b) is 1 when a comes first: keep the later start, the earlier end.
        part = text.createTextCursorByRange(
            start if text.compareRegionStarts(element.getStart(), start) > 0
            else element.getStart())
        part.gotoRange(end if text.compareRegionEnds(end, element.getEnd()) > 0
                       else element.getEnd(), True)
        if part.getString():
            found.append(part)


def _collapsed(selected):
    return selected.getText().compareRegionStarts(selected.getStart(), selected.getEnd()) == 0


def _holds(selected, anchor):
    """Whether the anchor of a note lies inside the selected range (of the same text)."""
    text = selected.getText()
    try:
        return text.compareRegionStarts(selected.getStart(), anchor.getStart()) >= 0 and \
            text.compareRegionEnds(anchor.getEnd(), selected.getEnd()) >= 0
    except IllegalArgumentException:  # the anchor lies in another text
        return False
