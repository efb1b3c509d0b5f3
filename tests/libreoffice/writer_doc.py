"""A Writer document as the tests see it: text to write, a selection to make, a Chemistry command
to dispatch through the extension, and the formatting of every character to read back."""

import threading
import time

import unohelper
from com.sun.star.awt import XCallback
from com.sun.star.awt.FontSlant import ITALIC
from com.sun.star.frame import XDispatchResultListener
from com.sun.star.util import URL

from office import props

DEFAULT_PARAGRAPH_STYLE = "Standard"  # Writer's name for the default paragraph style
SMALL_CAPITALS = 4


def units(text):
    return len(text.encode("utf-16-le", "surrogatepass")) // 2


def code_points(text, offset):
    """The str index of a UTF-16 offset into text."""
    count = 0
    for index, char in enumerate(text):
        if count >= offset:
            return index
        count += 2 if ord(char) > 0xFFFF else 1
    return len(text)


class _Result(unohelper.Base, XDispatchResultListener):
    def __init__(self):
        self.message = None

    def dispatchFinished(self, event):
        self.message = event.Result

    def disposing(self, source):
        pass


class _OnMainThread(unohelper.Base, XCallback):
    """Runs a function on the office's main thread, where menu commands run: a call that the
    function makes back into the office is carried out on that thread too."""

    def __init__(self, function):
        self.function = function
        self.done = threading.Event()
        self.error = None

    def notify(self, data):
        try:
            self.function()
        except Exception as error:  # reported to the waiting test
            self.error = error
        finally:
            self.done.set()


MAIN_THREAD_TIMEOUT = 120.0


class Char:
    """One character with the formatting a reader sees; a paragraph break carries its
    paragraph's style."""

    def __init__(self, char, sub=False, sup=False, italic=False, bold=False, small=False,
                 style="", paragraph=None):
        self.char, self.sub, self.sup = char, sub, sup
        self.italic, self.bold, self.small, self.style = italic, bold, small, style
        self.paragraph = paragraph

    def __repr__(self):
        if self.paragraph is not None:
            return f"¶[{self.paragraph}]"
        flags = [name for name in ("sub", "sup", "italic", "bold", "small") if getattr(self, name)]
        if self.style:
            flags.append(f"<{self.style}>")
        return self.char + (" " + " ".join(flags) if flags else "")

    def __eq__(self, other):
        return repr(self) == repr(other)


LOOK = ("CharEscapement", "CharPosture", "CharWeight", "CharCaseMap", "CharStyleName")


def paragraph_chars(paragraph):
    """The characters of one paragraph with their formatting, then its paragraph break."""
    found = []
    portions = paragraph.createEnumeration()
    while portions.hasMoreElements():
        portion = portions.nextElement()
        piece = portion.getString()
        if not piece:
            continue
        escapement, posture, weight, case_map, style = portion.getPropertyValues(LOOK)
        look = dict(sub=escapement < 0, sup=escapement > 0, italic=posture == ITALIC,
                    bold=weight >= 150, small=case_map == SMALL_CAPITALS, style=style)
        found.extend(Char(char, **look) for char in piece)
    style = paragraph.ParaStyleName
    found.append(Char("\r", paragraph="" if style == DEFAULT_PARAGRAPH_STYLE else style))
    return found


class WriterDoc:
    def __init__(self, office, document):
        self.office = office
        self.document = document
        self.last_elapsed = None

    @property
    def text(self):
        return self.document.getText()

    def close(self):
        self.document.close(True)

    # ---- writing and selecting ----

    def write(self, text):
        """Appends text; CR starts a new paragraph."""
        cursor = self.text.createTextCursor()
        cursor.gotoEnd(False)
        self.text.insertString(cursor, text, False)

    def plain_text(self):
        """The whole text, paragraph breaks as CR."""
        paragraphs = []
        enumeration = self.text.createEnumeration()
        while enumeration.hasMoreElements():
            paragraphs.append(enumeration.nextElement().getString())
        return "\r".join(paragraphs)

    def range_at(self, start, length):
        """A cursor over [start, start + length) of the whole text, offsets in UTF-16 units."""
        whole = self.plain_text()
        first = code_points(whole, start)
        last = code_points(whole, start + length)
        cursor = self.text.createTextCursor()
        cursor.gotoStart(False)
        cursor.goRight(first, False)
        cursor.goRight(last - first, True)
        return cursor

    def select(self, start, length):
        self.document.getCurrentController().select(self.range_at(start, length))

    def select_text(self, part, occurrence=0):
        """Selects the given occurrence of part in the whole text."""
        whole = self.plain_text()
        index = -1
        for _ in range(occurrence + 1):
            index = whole.index(part, index + 1)
        self.select(units(whole[:index]), units(part))

    def selected_text(self):
        selection = self.document.getCurrentController().getSelection()
        return selection.getByIndex(0).getString()

    # ---- the extension ----

    def dispatch(self, command):
        """Dispatches vnd.glyphwright:<command> to the document's frame as the menu does;
        answers the message the user was shown, "" when there was none."""
        url, dispatcher = self._dispatcher(command)
        result = _Result()
        timing = {}

        def perform():
            started = time.perf_counter()
            dispatcher.dispatchWithNotification(url, (), result)
            timing["elapsed"] = time.perf_counter() - started

        call = _OnMainThread(perform)
        ctx = self.office.ctx
        ctx.ServiceManager.createInstanceWithContext(
            "com.sun.star.awt.AsyncCallback", ctx).addCallback(call, None)
        assert call.done.wait(MAIN_THREAD_TIMEOUT), f"{url.Complete} did not finish"
        if call.error is not None:
            raise call.error
        self.last_elapsed = timing["elapsed"]
        assert result.message is not None, "the dispatcher did not report back"
        return result.message

    def dispatch_here(self, command):
        """Dispatches the command on the calling thread: from a listener the office calls while
        a command runs, which holds the office's main thread. Answers the message."""
        url, dispatcher = self._dispatcher(command)
        result = _Result()
        dispatcher.dispatchWithNotification(url, (), result)
        return result.message

    def _dispatcher(self, command):
        url = URL()
        url.Complete = f"vnd.glyphwright:{command}"
        frame = self.document.getCurrentController().getFrame()
        dispatcher = frame.queryDispatch(url, "_self", 0)
        assert dispatcher is not None, f"no dispatcher for {url.Complete}"
        return url, dispatcher

    # ---- reading back ----

    def chars(self):
        """Every character with its formatting; a Char with `paragraph` after each paragraph,
        the last one included."""
        found = []
        enumeration = self.text.createEnumeration()
        while enumeration.hasMoreElements():
            found.extend(paragraph_chars(enumeration.nextElement()))
        return found

    def store(self, path, filter_name):
        self.document.storeToURL(f"file://{path}", props(FilterName=filter_name))
