"""One headless LibreOffice for a test run: a private profile, a named pipe, and cleanup that
leaves nothing behind (its own process group, its profile, the sockets it made in /tmp)."""

import os
import shutil
import signal
import subprocess
import tempfile
import time
import uuid

import uno
import unohelper
from com.sun.star.beans import PropertyValue
from com.sun.star.task import XInteractionHandler
from com.sun.star.ucb import XCommandEnvironment

START_TIMEOUT = 120.0
STOP_TIMEOUT = 30.0


def props(**values):
    """A tuple of PropertyValue, as UNO calls take their options."""
    found = []
    for name, value in values.items():
        prop = PropertyValue()
        prop.Name = name
        prop.Value = value
        found.append(prop)
    return tuple(found)


class _Approver(unohelper.Base, XCommandEnvironment, XInteractionHandler):
    """Says yes to whatever installing an extension asks, and shows no progress."""

    def getInteractionHandler(self):
        return self

    def getProgressHandler(self):
        return None

    def handle(self, request):
        for continuation in request.getContinuations():
            if continuation.queryInterface(uno.getTypeByName(
                    "com.sun.star.task.XInteractionApprove")) is not None:
                continuation.select()
                return


class Office:
    def __init__(self, soffice="soffice"):
        self.soffice = soffice
        self.profile = tempfile.mkdtemp(prefix="glyphwright-office-")
        self.pipe = f"glyphwright_{os.getpid()}_{uuid.uuid4().hex[:8]}"
        self.process = None
        self.sockets = set()
        self.ctx = None
        self.desktop = None

    # ---- life ----

    def start(self):
        log = open(os.path.join(self.profile, "soffice.log"), "wb")
        self.process = subprocess.Popen(
            [self.soffice, f"-env:UserInstallation={uno.systemPathToFileUrl(self.profile)}",
             "--headless", "--invisible", "--norestore", "--nologo", "--nodefault",
             "--nolockcheck", f"--accept=pipe,name={self.pipe};urp;"],
            stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
        log.close()
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        deadline = time.monotonic() + START_TIMEOUT
        while True:
            try:
                self.ctx = resolver.resolve(
                    f"uno:pipe,name={self.pipe};urp;StarOffice.ComponentContext")
                break
            except Exception:
                if self.process.poll() is not None or time.monotonic() > deadline:
                    raise RuntimeError(f"soffice did not start; see {self.profile}/soffice.log")
                time.sleep(0.2)
        self.desktop = self.ctx.ServiceManager.createInstanceWithContext(
            "com.sun.star.frame.Desktop", self.ctx)
        self.sockets |= self._own_sockets()

    def restart(self):
        """Ends the office and starts it again on the same profile."""
        self._end()
        self.start()

    def stop(self):
        """Ends the office and removes everything it made. Safe to call more than once."""
        self._end()
        for path in self.sockets:
            try:
                os.unlink(path)
            except FileNotFoundError:
                pass
        self.sockets = set()
        shutil.rmtree(self.profile, ignore_errors=True)

    def _end(self):
        if self.process is None:
            return
        self.sockets |= self._own_sockets()
        try:
            self.desktop.terminate()
        except Exception:  # the bridge goes down with the office
            pass
        try:
            self.process.wait(STOP_TIMEOUT)
        except subprocess.TimeoutExpired:
            pass
        self._kill_group()
        self.process = None
        self.ctx = self.desktop = None

    def _kill_group(self):
        group = self.process.pid  # start_new_session: the launcher leads its own group
        try:
            os.killpg(group, signal.SIGKILL)
        except ProcessLookupError:
            return
        deadline = time.monotonic() + STOP_TIMEOUT
        while time.monotonic() < deadline and self._group_members(group):
            time.sleep(0.1)
        try:
            self.process.wait(1)
        except subprocess.TimeoutExpired:
            pass

    @staticmethod
    def _group_members(group):
        members = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open(f"/proc/{entry}/stat", encoding="utf-8", errors="replace") as stat:
                    fields = stat.read().rsplit(")", 1)[1].split()
            except OSError:
                continue
            if int(fields[2]) == group and fields[0] != "Z":
                members.append(int(entry))
        return members

    def _own_sockets(self):
        """The /tmp/OSL_PIPE_* sockets that the office's processes have open."""
        if self.process is None:
            return set()
        inodes = set()
        for pid in self._group_members(self.process.pid):
            try:
                fds = os.listdir(f"/proc/{pid}/fd")
            except OSError:
                continue
            for fd in fds:
                try:
                    target = os.readlink(f"/proc/{pid}/fd/{fd}")
                except OSError:
                    continue
                if target.startswith("socket:["):
                    inodes.add(target[8:-1])
        paths = set()
        with open("/proc/net/unix", encoding="utf-8", errors="replace") as table:
            next(table)
            for line in table:
                fields = line.split()
                if len(fields) >= 8 and fields[6] in inodes and \
                        fields[7].startswith("/tmp/OSL_PIPE_"):
                    paths.add(fields[7])
        return paths

    # ---- extensions ----

    def _extension_manager(self):
        return self.ctx.getValueByName("/singletons/com.sun.star.deployment.ExtensionManager")

    def add_extension(self, path):
        manager = self._extension_manager()
        return manager.addExtension(uno.systemPathToFileUrl(os.path.abspath(path)), (), "user",
                                    manager.createAbortChannel(), _Approver())

    def remove_extension(self, identifier, path):
        manager = self._extension_manager()
        manager.removeExtension(identifier, os.path.basename(path), "user",
                                manager.createAbortChannel(), _Approver())

    def user_extensions(self):
        return [package.getIdentifier().Value
                for package in self._extension_manager().getDeployedExtensions(
                    "user", None, _Approver())]

    # ---- documents ----

    def new_writer(self):
        return self.desktop.loadComponentFromURL("private:factory/swriter", "_blank", 0,
                                                 props(Hidden=True))

    def load(self, path):
        return self.desktop.loadComponentFromURL(uno.systemPathToFileUrl(path), "_blank", 0,
                                                 props(Hidden=True))
