"""Format > Chemistry > Everything in Selection and Everything in Document: ChemTextQuery on each
paragraph (body text, table cells, footnotes and endnotes), its script run on that paragraph.

The paragraph answers what of it is subscript or superscript already, so a second pass changes
nothing more and formatting done by hand stays. The pass is one undo step. On a long text it
shows its progress with a Cancel button; cancelled, or failing, it undoes what it did and the
document is as it was, modified flag included."""

from dataclasses import dataclass

import glyphwright

from . import settings, text_walk
from .job_error import JobError
from .paragraph_fonts import KnownScripts, ParagraphFonts, StepPositions
from .pass_progress import NoProgress, PassProgress
from .script_run import run_script
from .undo_step import one_undo_step
from .writer_executer import WriterExecuter

QUERY_CLASS = "ChemTextQuery"
# A text with more paragraphs than this shows its progress and can be cancelled.
LONG_PASS = 100
CANCELLED = "The formatting was cancelled. The document is as it was."


@dataclass(frozen=True)
class Scope:
    title: str  # as Edit > Undo names it
    progress: str  # as the progress dialog names the pass
    whole_document: bool


SCOPES = {
    "EverythingInSelection": Scope("Chemistry in selection", "Formatting the selection", False),
    "EverythingInDocument": Scope("Chemistry in document", "Formatting the document", True),
}


class Cancelled(Exception):
    """The user cancelled the pass; the document is as it was before it."""


def make_query(values):
    query = getattr(glyphwright, QUERY_CLASS)()
    # The pass takes the command words of the name job: its names are formatted alike.
    settings.apply(query, "ChemNameQuery", values)
    return query


def paragraphs_of(document, scope):
    if scope.whole_document:
        return text_walk.document_paragraphs(document)
    found = text_walk.selection_paragraphs(document)
    if found is None:
        raise JobError("Select the text to format first.")
    return found


def run(document, scope, values, ctx=None, frame=None):
    """Formats everything chemical in the scope. Answers the number of paragraphs that changed.
    Raises Cancelled, JobError or glyphwright.AutomationError, and then the document is as it
    was. Without ctx no progress is shown."""
    paragraphs = paragraphs_of(document, scope)
    query = make_query(values)
    executers = []
    progress = NoProgress()
    document.lockControllers()
    try:
        if ctx is not None and len(paragraphs) > LONG_PASS:
            progress = PassProgress(ctx, document, frame, scope.progress, len(paragraphs))
        with one_undo_step(document, scope.title,
                           lambda: any(executer.changed for executer in executers)):
            for done, paragraph in enumerate(paragraphs, 1):
                _format(document, query, paragraph, executers)
                progress.advance(done)
                if progress.cancelled:
                    raise Cancelled()
    finally:
        progress.close()
        document.unlockControllers()
    return sum(1 for executer in executers if executer.changed)


def _format(document, query, paragraph, executers):
    """Runs the query on one paragraph, adding the executer of its script (if it has one)."""
    fonts = ParagraphFonts(paragraph)
    if not fonts.text.strip():
        return
    query.FontListener = fonts
    try:
        script = query.GetCommands(fonts.text)
    finally:
        query.FontListener = None
    if not script:
        return
    positions = StepPositions(paragraph) if fonts.one_step_a_unit else None
    executer = KnownScripts(WriterExecuter(document, paragraph, positions), fonts)
    executers.append(executer)
    run_script(script, executer)
