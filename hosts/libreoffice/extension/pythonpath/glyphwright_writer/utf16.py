"""Lengths in UTF-16 code units, the unit of every position in a script.

Writer's strings reach Python as str, which counts code points: a character outside the Basic
Multilingual Plane is one str index but two code units."""


def units(text):
    """The number of UTF-16 code units of text. A paragraph break that Writer reports as CR LF
    (its Windows form) is one unit, as it is one character of the document."""
    count = len(text.encode("utf-16-le", "surrogatepass")) // 2
    return count - text.count("\r\n")
