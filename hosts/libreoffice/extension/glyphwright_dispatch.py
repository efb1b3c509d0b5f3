"""The extension's entry point: a protocol handler for the commands "vnd.glyphwright:<Job>" that
the Format > Chemistry menu and the shortcuts dispatch, one for each job, plus
"vnd.glyphwright:Settings", "vnd.glyphwright:CheckCharacterisation" and the bulk passes
"vnd.glyphwright:EverythingInSelection" and "vnd.glyphwright:EverythingInDocument". A job works on
the selection of the frame it was dispatched to."""

import os
import sys

import unohelper
from com.sun.star.frame import XDispatch, XDispatchProvider, XNotifyingDispatch
from com.sun.star.frame import DispatchResultEvent, FeatureStateEvent
from com.sun.star.frame.DispatchResultState import FAILURE, SUCCESS
from com.sun.star.lang import XInitialization, XServiceInfo

# The compiled glyphwright module and the job code lie in pythonpath beside this file. LibreOffice
# appends that folder to sys.path; put it first, so that no other glyphwright is taken instead.
_PYTHONPATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "pythonpath")
if _PYTHONPATH in sys.path:
    sys.path.remove(_PYTHONPATH)
sys.path.insert(0, _PYTHONPATH)

from glyphwright_writer import bulk_pass, findings_dialog, jobs, settings  # noqa: E402
from glyphwright_writer import settings_dialog  # noqa: E402
from glyphwright_writer.message_box import describe, show_error  # noqa: E402

IMPLEMENTATION_NAME = "org.glyphwright.libreoffice.ChemistryDispatcher"
SERVICE_NAMES = ("com.sun.star.frame.ProtocolHandler",)
PROTOCOL = "vnd.glyphwright:"
SETTINGS = "Settings"
CHECK = "CheckCharacterisation"
BUSY = "Chemistry formatting is still running in this document. Wait for it to finish."


def command_of(url):
    """The job name of a command URL, or None when it is not one of ours."""
    complete = url.Complete
    if not complete.startswith(PROTOCOL):
        return None
    name = complete[len(PROTOCOL):]
    known = name in jobs.JOBS or name in bulk_pass.SCOPES or name in (SETTINGS, CHECK)
    return name if known else None


class ChemistryDispatcher(unohelper.Base, XDispatchProvider, XNotifyingDispatch, XDispatch,
                          XInitialization, XServiceInfo):
    def __init__(self, ctx, *args):
        self.ctx = ctx
        self.frame = None
        self.initialize(args)

    # XInitialization: LibreOffice passes the frame the command is for.
    def initialize(self, args):
        if args:
            self.frame = args[0]

    # XDispatchProvider
    def queryDispatch(self, url, target_frame_name, search_flags):
        return self if command_of(url) is not None else None

    def queryDispatches(self, requests):
        return tuple(self.queryDispatch(r.FeatureURL, r.FrameName, r.SearchFlags)
                     for r in requests)

    # XDispatch
    def dispatch(self, url, arguments):
        self._perform(url)

    def addStatusListener(self, listener, url):
        state = FeatureStateEvent()
        state.FeatureURL = url
        state.IsEnabled = command_of(url) is not None
        state.Source = self
        listener.statusChanged(state)

    def removeStatusListener(self, listener, url):
        pass

    # XNotifyingDispatch: the result is the message the user was shown, or empty.
    def dispatchWithNotification(self, url, arguments, listener):
        message = self._perform(url)
        if listener is not None:
            result = DispatchResultEvent()
            result.Source = self
            result.State = FAILURE if message else SUCCESS
            result.Result = message
            listener.dispatchFinished(result)

    # XServiceInfo
    def getImplementationName(self):
        return IMPLEMENTATION_NAME

    def supportsService(self, name):
        return name in SERVICE_NAMES

    def getSupportedServiceNames(self):
        return SERVICE_NAMES

    def _perform(self, url):
        """Runs the command; answers the message shown to the user, "" when all went well."""
        name = command_of(url)
        if name is None:
            return ""
        try:
            if name == SETTINGS:
                settings_dialog.edit(self.ctx, self.frame)
                return ""
            document = self.frame.getController().getModel()
            if not hasattr(document, "getText"):
                raise jobs.JobError("The chemistry commands work in text documents.")
            # A long pass lets the office handle the menus while it runs: no job may start inside.
            if document.hasControllersLocked():
                raise jobs.JobError(BUSY)
            if name == CHECK:
                findings_dialog.show(self.ctx, self.frame, document)
                return ""
            if name in bulk_pass.SCOPES:
                bulk_pass.run(document, bulk_pass.SCOPES[name], settings.load(self.ctx),
                              self.ctx, self.frame)
                return ""
            jobs.run(document, jobs.JOBS[name], settings.load(self.ctx))
            return ""
        except bulk_pass.Cancelled:  # the user asked for it: no message box
            return bulk_pass.CANCELLED
        except Exception as error:  # every failure reaches the user as words, never a traceback
            message = describe(error)
            show_error(self.ctx, self.frame, message)
            return message


g_ImplementationHelper = unohelper.ImplementationHelper()
g_ImplementationHelper.addImplementation(ChemistryDispatcher, IMPLEMENTATION_NAME, SERVICE_NAMES)
