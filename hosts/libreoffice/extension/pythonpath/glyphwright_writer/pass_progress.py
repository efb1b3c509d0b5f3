"""How far a bulk pass has got, shown while it runs on a long text: the frame's status bar and a
small dialog with a bar and a Cancel button. The dialog is not modal, so the pass keeps running;
it lets the office handle what waits (a click on Cancel, a repaint) between paragraphs. Meanwhile
the document's view takes no input and the document refuses to close, so nothing changes under
the pass but what it does itself."""

import time

import unohelper
from com.sun.star.awt import XActionListener
from com.sun.star.util import CloseVetoException, XCloseListener

from .dialog_model import DialogModel, TopWindowWatcher

TITLE = "Chemistry"
WIDTH, HEIGHT = 200, 58
# The dialog is brought up to date, and the office handles what waits, at most this often:
# drawing the bar costs about a millisecond each time.
EVENT_INTERVAL = 0.2


class NoProgress:
    """The progress of a short pass: nothing shown, never cancelled."""

    cancelled = False

    def advance(self, done):
        pass

    def close(self):
        pass


class _Cancel(TopWindowWatcher, XActionListener):
    """Cancel pressed, or the dialog's window closed: the pass stops at the next paragraph."""

    def __init__(self, progress):
        self.progress = progress

    def actionPerformed(self, event):
        self.progress.cancelled = True

    def windowClosing(self, event):
        self.progress.cancelled = True


class _KeepOpen(unohelper.Base, XCloseListener):
    """Refuses to let the document close while the pass works on it."""

    def queryClosing(self, event, gets_ownership):
        raise CloseVetoException("The document is being formatted; cancel that first.", self)

    def notifyClosing(self, event):
        pass

    def disposing(self, source):
        pass


class PassProgress:
    """The dialog and the status bar for a pass over `total` paragraphs."""

    def __init__(self, ctx, document, frame, what, total):
        self.cancelled = False
        self.total = max(1, total)
        self.what = what
        self._last_events = 0.0
        smgr = ctx.ServiceManager
        self.toolkit = smgr.createInstanceWithContext("com.sun.star.awt.Toolkit", ctx)
        self.indicator = None
        self.dialog = None
        self.document = document
        self.keep_open = _KeepOpen()
        document.addCloseListener(self.keep_open)
        self.view = frame.getComponentWindow() if frame is not None else None
        try:
            if self.view is not None:
                self.view.setEnable(False)
            try:
                self.indicator = frame.createStatusIndicator()
                self.indicator.start(what, self.total)
            except Exception:  # a frame without a status bar: the dialog alone shows progress
                self.indicator = None
            self.dialog = self._build(ctx, frame)
            self._handle_events()
        except BaseException:
            self.close()
            raise

    def _build(self, ctx, frame):
        model = DialogModel(ctx, TITLE, WIDTH, HEIGHT)
        model.add("FixedText", "What", 6, 6, WIDTH - 12, 10, Label=self._label(0))
        model.add("ProgressBar", "Bar", 6, 18, WIDTH - 12, 10, ProgressValueMin=0,
                  ProgressValueMax=self.total, ProgressValue=0)
        model.add("Button", "Cancel", WIDTH - 56, HEIGHT - 20, 50, 14, Label="Cancel")
        dialog = model.dialog()
        listener = _Cancel(self)
        dialog.getControl("Cancel").addActionListener(listener)
        dialog.addTopWindowListener(listener)
        parent = frame.getContainerWindow() if frame is not None else None
        dialog.createPeer(self.toolkit, parent)
        dialog.setVisible(True)
        return dialog

    def _label(self, done):
        return f"{self.what}: paragraph {done} of {self.total}"

    def advance(self, done):
        """Shows that `done` paragraphs are finished; handles what waits, now and then."""
        now = time.monotonic()
        if now - self._last_events < EVENT_INTERVAL and done < self.total:
            return
        if self.indicator is not None:
            self.indicator.setValue(done)
        model = self.dialog.getModel()
        model.getByName("Bar").ProgressValue = done
        model.getByName("What").Label = self._label(done)
        self._handle_events()

    def _handle_events(self):
        self._last_events = time.monotonic()
        self.toolkit.processEventsToIdle()

    def close(self):
        if self.view is not None:
            self.view.setEnable(True)
            self.view = None
        if self.keep_open is not None:
            self.document.removeCloseListener(self.keep_open)
            self.keep_open = None
        if self.indicator is not None:
            self.indicator.end()
            self.indicator = None
        if self.dialog is not None:
            self.dialog.setVisible(False)
            self.dialog.dispose()
            self.dialog = None
