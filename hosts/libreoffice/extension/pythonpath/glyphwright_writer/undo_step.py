"""A job as one undo step, all or nothing."""

from contextlib import contextmanager


@contextmanager
def one_undo_step(document, title, changed):
    """Runs the body inside one undo context that Edit > Undo names title. When the body raises,
    the context is closed and, if changed() tells that the document was edited, undone: the
    document is as it was, modified flag included, and nothing is left to redo."""
    undo = document.getUndoManager()
    was_modified = document.isModified()
    undo.enterUndoContext(title)
    try:
        yield
    except BaseException:
        undo.leaveUndoContext()
        # An empty undo context leaves no action behind: undo only what this job did.
        if changed():
            undo.undo()
            undo.clearRedo()
            document.setModified(was_modified)
        raise
    undo.leaveUndoContext()
