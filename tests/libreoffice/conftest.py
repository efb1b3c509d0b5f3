"""The LibreOffice tests: one headless soffice for the whole run, with the extension installed in
the user scope of its private profile; a new hidden Writer document for each test.

GLYPHWRIGHT_OXT names the extension to install; GLYPHWRIGHT_SOFFICE the office to start."""

import os
import pathlib
import signal
import sys

import pytest

from office import Office

HERE = pathlib.Path(__file__).resolve().parent
SOURCE = pathlib.Path(os.environ.get("GLYPHWRIGHT_SOURCE_DIR", HERE.parents[1]))
OXT = os.environ.get("GLYPHWRIGHT_OXT", "")
EXTENSION = "org.glyphwright.libreoffice"
SETTINGS_NODE = "/org.glyphwright.Chemistry/Queries"
DEFAULT_SETTINGS = {"ItalicCommand": "Italic", "SmallCommand": "Small", "SpecFormat": "1H, d, J",
                    "TableFormat": "1H, d, J", "JValueStyle": 1, "Strict": False,
                    "Style": "ACS", "Sort": "Descending", "ShiftDecimals": -2,
                    "CouplingDecimals": 1}

# The extension's own Python code, for the tests that drive the Writer executer directly.
sys.path.insert(0, str(SOURCE / "hosts" / "libreoffice" / "extension" / "pythonpath"))

from writer_doc import WriterDoc  # noqa: E402
from office import props  # noqa: E402


def _stop_on_terminate(signum, frame):
    raise KeyboardInterrupt  # pytest then still runs the session's teardown


@pytest.fixture(scope="session")
def office():
    if not OXT or not os.path.exists(OXT):
        pytest.fail("GLYPHWRIGHT_OXT must name the built glyphwright.oxt")
    previous = signal.signal(signal.SIGTERM, _stop_on_terminate)
    instance = Office(os.environ.get("GLYPHWRIGHT_SOFFICE", "soffice"))
    try:
        instance.start()
        instance.add_extension(OXT)
        # A Python component added while the office runs pays about a millisecond for each call
        # it makes into the office, fifty times the usual; after a restart it runs at full speed.
        instance.restart()
        yield instance
        instance.remove_extension(EXTENSION, OXT)
        assert EXTENSION not in instance.user_extensions()
    finally:
        instance.stop()
        signal.signal(signal.SIGTERM, previous)


@pytest.fixture
def doc(office):
    document = WriterDoc(office, office.new_writer())
    yield document
    document.close()


def write_settings(ctx, values):
    provider = ctx.ServiceManager.createInstanceWithContext(
        "com.sun.star.configuration.ConfigurationProvider", ctx)
    access = provider.createInstanceWithArguments(
        "com.sun.star.configuration.ConfigurationUpdateAccess", props(nodepath=SETTINGS_NODE))
    for name, value in values.items():
        access.replaceByName(name, value)
    access.commitChanges()


@pytest.fixture
def settings(office):
    """Sets query settings in the office's configuration; puts the defaults back afterwards."""
    def change(**values):
        write_settings(office.ctx, values)
    yield change
    write_settings(office.ctx, DEFAULT_SETTINGS)
