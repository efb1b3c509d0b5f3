"""Renders the pictures of docs/libreoffice.md: a Writer page before and after the Chemistry jobs,
and the peak list rebuilt from the table. Uses the test office (a private profile, removed after).

    /usr/bin/python3 tests/libreoffice/screenshots.py build/release/hosts/libreoffice/glyphwright.oxt docs/images

Needs soffice and pdftoppm (poppler-utils); the extension must hold a module built without
sanitizers."""

import os
import subprocess
import sys
import tempfile

from office import Office
from writer_doc import WriterDoc

NMR_LIST = ("1H NMR (CDCl3) δ 7.26 (1H, d, J = 8.0 Hz, H-3), 3.71 (2H, q, J = 7.1 Hz), "
            "1.25 (3H, t, J = 7.1 Hz).")
PAGE = ("Dissolve CuSO4 in water: the solution holds Cu2+ and SO42- ions.\r"
        "The product, (R)-2-butanol, was compared with D-glucose.\r"
        "See J. Am. Chem. Soc. 1999, 121, 1234.\r" + NMR_LIST)
JOBS = [("CuSO4", "Formula"), ("Cu2+", "Ion"), ("SO42-", "Ion"),
        ("(R)-2-butanol, was compared with D-glucose", "Name"),
        ("J. Am. Chem. Soc. 1999, 121, 1234.", "Journal"), (NMR_LIST, "NmrListToTable")]
# Crops of the first page at 80 dots per inch: x, y, width, height.
CROPS = {"before": (50, 55, 560, 172), "after": (50, 55, 560, 172), "nmr-list": (50, 124, 560, 40)}


def write_pages(oxt, folder):
    office = Office()
    try:
        office.start()
        office.add_extension(oxt)
        office.restart()
        doc = WriterDoc(office, office.new_writer())
        standard = doc.document.getStyleFamilies().getByName("ParagraphStyles").getByName(
            "Standard")
        standard.CharHeight = 13
        standard.ParaBottomMargin = 200
        doc.write(PAGE)
        doc.store(os.path.join(folder, "before.odt"), "writer8")
        for part, job in JOBS:
            doc.select_text(part)
            if doc.dispatch(job):
                raise RuntimeError(f"{job} failed on {part}")
        doc.store(os.path.join(folder, "after.odt"), "writer8")
        if doc.dispatch("NmrTableToList"):  # the new rows are still selected
            raise RuntimeError("NmrTableToList failed")
        doc.store(os.path.join(folder, "nmr-list.odt"), "writer8")
        doc.close()
    finally:
        office.stop()


def render(folder, target):
    profile = os.path.join(folder, "convert-profile")
    for name, (x, y, width, height) in CROPS.items():
        subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}", "--headless",
                        "--convert-to", "pdf", "--outdir", folder,
                        os.path.join(folder, f"{name}.odt")],
                       check=True, capture_output=True)
        subprocess.run(["pdftoppm", "-png", "-r", "80", "-f", "1", "-l", "1", "-singlefile",
                        "-x", str(x), "-y", str(y), "-W", str(width), "-H", str(height),
                        os.path.join(folder, f"{name}.pdf"),
                        os.path.join(target, f"libreoffice-{name}")], check=True)


def main(oxt, target):
    with tempfile.TemporaryDirectory(prefix="glyphwright-screenshots-") as folder:
        write_pages(oxt, folder)
        render(folder, target)


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
