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


def office_cpu_seconds(office):
    """The processor time the office's processes have used so far, in seconds."""
    ticks = os.sysconf("SC_CLK_TCK")
    total = 0
    for pid in office._group_members(office.process.pid):
        try:
            with open(f"/proc/{pid}/stat", encoding="utf-8") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        total += int(fields[11]) + int(fields[12])  # utime and stime
    return total / ticks


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
        seconds, cpu = [], []
        for _ in range(RUNS):
            doc = WriterDoc(office, office.new_writer())
            try:
                paper.write(doc.document)
                pages = doc.document.getCurrentController().PageCount
                used = office_cpu_seconds(office)
                message = doc.dispatch("EverythingInDocument")
                cpu.append(office_cpu_seconds(office) - used)
                if message:
                    sys.exit(f"the pass failed: {message}")
                seconds.append(doc.last_elapsed)
            finally:
                doc.close()
            characters = sum(len(text) for text in paper.texts())
            print(f"Everything in Document, {pages} pages, {len(paper.texts())} paragraphs, "
                  f"{characters} characters: {seconds[-1]:.2f} s "
                  f"({cpu[-1]:.2f} s of the office's processor time)")
        median = statistics.median(seconds)
        verdict = "within" if median < GOAL_SECONDS else "OVER"
        print(f"median of {RUNS}: {median:.2f} s ({verdict} the {GOAL_SECONDS:.0f} s goal), "
              f"processor time {statistics.median(cpu):.2f} s: on a busy machine the wall "
              f"time can be far longer than the work")
    finally:
        office.stop()


if __name__ == "__main__":
    main()
