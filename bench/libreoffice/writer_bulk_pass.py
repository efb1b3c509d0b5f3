"""Everything in Document on a generated 50-page manuscript in Writer, timed from the command to
the finished pass: python3 writer_bulk_pass.py GLYPHWRIGHT_OXT [ROUNDS]. Starts its own headless
office with a private profile (as the LibreOffice tests do), installs the extension, and prints
the seconds of each of three runs and their median. The goal is under 10 s on a release build."""

import os
import pathlib
import statistics
import sys

HERE = pathlib.Path(__file__).resolve().parent
SOURCE = HERE.parents[1]
TESTS = SOURCE / "tests" / "libreoffice"
GOAL_SECONDS = 10.0
RUNS = 3


def main():
    if len(sys.argv) < 2 or not os.path.exists(sys.argv[1]):
        sys.exit("usage: writer_bulk_pass.py GLYPHWRIGHT_OXT [ROUNDS]")
    oxt = os.path.abspath(sys.argv[1])
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    os.environ.setdefault("GLYPHWRIGHT_SOURCE_DIR", str(SOURCE))
    # The test helpers, and the glyphwright module that the extension carries for the reference.
    sys.path[:0] = [str(TESTS), str(pathlib.Path(oxt).parent.parent / "python")]
    import manuscript
    from office import Office
    from writer_doc import WriterDoc

    office = Office(os.environ.get("GLYPHWRIGHT_SOFFICE", "soffice"))
    try:
        office.start()
        office.add_extension(oxt)
        office.restart()  # an extension added while the office runs is slow until a restart
        paper = manuscript.Manuscript(rounds=rounds)
        seconds = []
        for _ in range(RUNS):
            doc = WriterDoc(office, office.new_writer())
            try:
                paper.write(doc.document)
                pages = doc.document.getCurrentController().PageCount
                message = doc.dispatch("EverythingInDocument")
                if message:
                    sys.exit(f"the pass failed: {message}")
                seconds.append(doc.last_elapsed)
            finally:
                doc.close()
            characters = sum(len(text) for text in paper.texts())
            print(f"Everything in Document, {pages} pages, {len(paper.texts())} paragraphs, "
                  f"{characters} characters: {seconds[-1]:.2f} s")
        median = statistics.median(seconds)
        verdict = "within" if median < GOAL_SECONDS else "OVER"
        print(f"median of {RUNS}: {median:.2f} s ({verdict} the {GOAL_SECONDS:.0f} s goal)")
    finally:
        office.stop()


if __name__ == "__main__":
    main()
