"""The jobs of Format > Chemistry: a query on the selected text, its script run on the document.

A job is all or nothing. It runs inside one undo context, so Edit > Undo takes back the whole
job; when a query or the script fails, the job undoes what it did already and the document is as
it was, modified flag included."""

from dataclasses import dataclass

import glyphwright

from . import settings
from .job_error import JobError
from .origin_text import OriginText
from .script_run import run_script
from .undo_step import one_undo_step
from .writer_executer import WriterExecuter


@dataclass(frozen=True)
class Job:
    title: str  # as Edit > Undo names it
    query_class: str
    # The NMR jobs work on the first selected range; the others on every range of a multiple
    # selection, each with its own origin.
    first_range_only: bool = False
    # What to tell the user when the query answers with no script for a text it could not read.
    unreadable: str = ""


JOBS = {
    "Formula": Job("Chemical formula", "ChemFormulaQuery"),
    "Ion": Job("Ion formula", "IonFormulaQuery"),
    "CycleDigits": Job("Cycle digits", "ChemRDigitQuery"),
    "Name": Job("Chemical name", "ChemNameQuery"),
    "Journal": Job("Journal reference", "JournalQuery"),
    "Characterisation": Job("Characterisation data", "CharacterisationQuery"),
    "NmrListToTable": Job(
        "NMR list to table", "NMRSpecFormRQuery", first_range_only=True,
        unreadable="The selection is not an NMR peak list that can be read."),
    "NmrTableToList": Job("NMR table to list", "NMRSpecFormQuery", first_range_only=True),
    "NmrRestyle": Job("Restyle NMR data", "NMRStyleQuery", first_range_only=True),
}


def selected_ranges(document):
    """The non-empty text ranges of the document's selection."""
    selection = document.getCurrentController().getSelection()
    if selection is None or not selection.supportsService("com.sun.star.text.TextRanges"):
        raise JobError("Select the text to format first.")
    ranges = [selection.getByIndex(i) for i in range(selection.getCount())]
    ranges = [found for found in ranges if found.getString()]
    if not ranges:
        raise JobError("Select the text to format first.")
    return ranges


def make_query(job, values):
    query = getattr(glyphwright, job.query_class)()
    settings.apply(query, job.query_class, values)
    return query


def run(document, job, values):
    """Runs the job on the document's selection with the given settings. Raises JobError or
    glyphwright.AutomationError, and then the document is unchanged."""
    ranges = selected_ranges(document)
    if job.first_range_only:
        ranges = ranges[:1]
    executers = []
    document.lockControllers()
    try:
        with one_undo_step(document, job.title,
                           lambda: any(executer.changed for executer in executers)):
            for selected in ranges:
                origin = OriginText(selected)
                executer = WriterExecuter(document, selected, batched=True, origin=origin)
                executers.append(executer)
                _format(job, values, executer, origin.text)
    finally:
        document.unlockControllers()
    for executer in executers:
        executer.show()


def _unreadable(job, query, text):
    """The job's message, with the reader's reason and the text around its place when the query
    is the list reader."""
    if job.query_class != "NMRSpecFormRQuery":
        return job.unreadable
    reason = glyphwright.DescribePeakListFailure(text, query.SpecFormat, query.Strict)
    return f"{job.unreadable} {reason}" if reason else job.unreadable


def _format(job, values, executer, text):
    query = make_query(job, values)
    if job.query_class == "ChemRDigitQuery":
        query.FontListener = executer
    script = query.GetCommands(text)
    if not script and job.unreadable and text.strip():
        raise JobError(_unreadable(job, query, text))
    try:
        run_script(script, executer)
        executer.finish()
    finally:
        if job.query_class == "ChemRDigitQuery":
            query.FontListener = None
