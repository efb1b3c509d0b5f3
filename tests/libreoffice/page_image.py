"""The letters of a document's first line as drawn on its printed page: the document is exported
to PDF, its first page rendered in grey by pdftoppm (poppler-utils), and the ink of the first
line cut into glyphs wherever a column of the line holds no ink."""

import os
import subprocess
import tempfile

from office import props

DOTS_PER_INCH = 300
# The top left of an A4 or Letter page, margins included: room for a line of 12 to 20 point text.
CROP_WIDTH, CROP_HEIGHT = 1400, 700
INK = 128  # darker than this is ink


class Glyph:
    def __init__(self, left, right, top, bottom):
        self.left, self.right, self.top, self.bottom = left, right, top, bottom

    @property
    def height(self):
        return self.bottom - self.top + 1

    def __repr__(self):
        return f"Glyph(x {self.left}-{self.right}, y {self.top}-{self.bottom})"


def _grey_image(document):
    with tempfile.TemporaryDirectory(prefix="glyphwright-page-") as folder:
        pdf = os.path.join(folder, "page.pdf")
        document.storeToURL(f"file://{pdf}", props(FilterName="writer_pdf_Export"))
        stem = os.path.join(folder, "page")
        subprocess.run(["pdftoppm", "-gray", "-r", str(DOTS_PER_INCH), "-f", "1", "-l", "1",
                        "-singlefile", "-x", "0", "-y", "0", "-W", str(CROP_WIDTH),
                        "-H", str(CROP_HEIGHT), pdf, stem], check=True, capture_output=True)
        with open(stem + ".pgm", "rb") as image:
            data = image.read()
    magic, width, height, _, pixels = data.split(maxsplit=4)
    assert magic == b"P5", "pdftoppm -gray writes a binary grey map"
    return int(width), int(height), pixels


def first_line_glyphs(document):
    """The glyphs of the first line of ink, left to right."""
    width, height, pixels = _grey_image(document)
    rows = [pixels[y * width:(y + 1) * width] for y in range(height)]
    inked = [y for y, row in enumerate(rows) if min(row) < INK]
    assert inked, "the page has no ink"
    top = bottom = inked[0]
    while bottom + 1 < height and min(rows[bottom + 1]) < INK:
        bottom += 1
    glyphs = []
    current = None
    for x in range(width):
        ink = [y for y in range(top, bottom + 1) if rows[y][x] < INK]
        if ink and current is None:
            current = Glyph(x, x, min(ink), max(ink))
        elif ink:
            current.right, current.top, current.bottom = x, min(current.top, min(ink)), \
                max(current.bottom, max(ink))
        elif current is not None:
            glyphs.append(current)
            current = None
    if current is not None:
        glyphs.append(current)
    return glyphs
