"""Shared helpers: a recording editor object written in plain Python."""

import pytest

OPERATIONS = (
    "QueryValue", "SetSubscript", "SetSuperscript", "SetSmall", "SetStyle", "ApplyStyle",
    "ReplaceChar", "TypeBackspace", "TypeParagraph", "TypeText", "MoveCursor", "CopyText",
    "CutText", "PasteText", "DeleteText", "SelectRange",
)


class RecordingExecuter:
    """Records every call as 'Name(arg, ...)'; answers QueryValue with the value itself."""

    def __init__(self, only=None):
        self.calls = []
        for name in OPERATIONS:
            if only is None or name in only:
                setattr(self, name, self._recorder(name))

    def _recorder(self, name):
        def record(*args):
            self.calls.append(f"{name}({', '.join(format_arg(a) for a in args)})")
            if name == "QueryValue":
                return args[0]
            return None
        return record


def format_arg(value):
    if isinstance(value, float) and value.is_integer():
        return str(int(value))
    return str(value)


@pytest.fixture
def executer():
    return RecordingExecuter()
