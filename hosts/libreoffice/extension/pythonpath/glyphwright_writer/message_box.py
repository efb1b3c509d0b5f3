"""What the user reads when a job fails: a message box with the error's description."""

from com.sun.star.awt.MessageBoxButtons import BUTTONS_OK
from com.sun.star.awt.MessageBoxType import ERRORBOX

import glyphwright

from .job_error import JobError

TITLE = "Chemistry"


def describe(error):
    """The words for a failure: a query's or the runner's description, our own message, or
    the message of an exception from LibreOffice; never a traceback."""
    if isinstance(error, glyphwright.AutomationError):
        return error.description or f"Error {error.number}."
    if isinstance(error, JobError):
        return str(error)
    message = getattr(error, "Message", "") or str(error)
    return f"The formatting failed: {message}" if message else "The formatting failed."


def show_error(ctx, frame, message):
    toolkit = ctx.ServiceManager.createInstanceWithContext("com.sun.star.awt.Toolkit", ctx)
    parent = frame.getContainerWindow() if frame is not None else None
    box = toolkit.createMessageBox(parent, ERRORBOX, BUTTONS_OK, TITLE, message)
    try:
        box.execute()
    finally:
        box.dispose()
