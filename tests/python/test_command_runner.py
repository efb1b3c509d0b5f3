"""CommandRunner driven from Python against editor objects written in Python."""

import pytest

import glyphwright
from glyphwright import AutomationError, CommandRunner
from conftest import RecordingExecuter


def error_of(call):
    with pytest.raises(AutomationError) as caught:
        call()
    return caught.value


def test_a_new_runner_has_no_executer_and_stops_on_errors():
    runner = CommandRunner()
    assert runner.Executer is None
    assert runner.IgnoreError is False


def test_runs_a_script_against_a_python_executer(executer):
    runner = CommandRunner()
    runner.Executer = executer
    runner.Run("=2\n=1\nSubscript\n=3\n=2\nSuperscript\n")
    assert executer.calls == [
        "QueryValue(2)", "QueryValue(1)",
        "SetSubscript(2, 1, False)", "SetSuperscript(2, 1, False)", "SetSubscript(2, 1, True)",
        "QueryValue(3)", "QueryValue(2)",
        "SetSubscript(3, 2, False)", "SetSuperscript(3, 2, False)", "SetSuperscript(3, 2, True)",
    ]


def test_numbers_arrive_as_floats_and_flags_as_bools():
    received = []

    class Editor:
        def QueryValue(self, x):
            return x

        def SetSmall(self, index, length):
            received.append((index, length))

    runner = CommandRunner()
    runner.Executer = Editor()
    runner.Run("=4\n=2\nSmall\n")
    assert received == [(4.0, 2.0)]
    assert all(type(value) is float for value in received[0])


def test_the_executer_property_returns_the_very_object(executer):
    runner = CommandRunner()
    runner.Executer = executer
    assert runner.Executer is executer
    runner.Executer = None
    assert runner.Executer is None


def test_the_executer_must_be_an_object():
    runner = CommandRunner()
    error = error_of(lambda: setattr(runner, "Executer", "editor"))
    assert (error.number, error.description) == (424, "Object required")


def test_an_empty_script_calls_nothing_with_or_without_an_executer(executer):
    runner = CommandRunner()
    runner.Run("")
    runner.Executer = executer
    runner.Run("")
    assert executer.calls == []


def test_without_an_executer_a_value_line_is_error_91_unless_ignored():
    runner = CommandRunner()
    error = error_of(lambda: runner.Run("=1\n"))
    assert (error.number, error.description) == (
        91, "Object variable or With block variable not set")
    runner.IgnoreError = True
    runner.Run("=1\n=2\nSubscript\n")


def test_a_missing_operation_is_error_438():
    runner = CommandRunner()
    runner.Executer = RecordingExecuter(only={"QueryValue", "SetSubscript"})
    error = error_of(lambda: runner.Run("=3\n=2\nSubscript\n"))
    assert (error.number, error.description) == (
        438, "Object doesn't support this property or method")


def test_with_ignore_error_a_partial_executer_gets_the_calls_it_has():
    executer = RecordingExecuter(only={"QueryValue", "SetSubscript"})
    runner = CommandRunner()
    runner.Executer = executer
    runner.IgnoreError = True
    runner.Run("=3\n=2\nSubscript\n")
    assert executer.calls == [
        "QueryValue(3)", "QueryValue(2)", "SetSubscript(3, 2, False)", "SetSubscript(3, 2, True)"]


def test_with_ignore_error_a_failed_conversion_keeps_the_old_register(executer):
    runner = CommandRunner()
    runner.Executer = executer
    runner.IgnoreError = True
    runner.Run("=7\n=8\nSmall\n")
    executer.calls.clear()
    runner.Run("=x\n=2\nSubscript\n")
    assert executer.calls == [
        "QueryValue(x)", "QueryValue(2)",
        "SetSubscript(7, 2, False)", "SetSuperscript(7, 2, False)", "SetSubscript(7, 2, True)"]


def test_an_automation_error_raised_by_the_host_passes_with_every_field():
    raised = AutomationError(1, "Chemical shift is missing.", source="Editor",
                             help_file="editor.chm", help_context=42)

    class Editor:
        def __init__(self):
            self.calls = []

        def QueryValue(self, x):
            return x

        def SetSmall(self, index, length):
            self.calls.append("SetSmall")

        def SetStyle(self, index, length, word):
            raise raised

    editor = Editor()
    runner = CommandRunner()
    runner.Executer = editor
    error = error_of(lambda: runner.Run("=0\n=1\nSmall\n=0\n=1\nItalic\n=5\n=1\nSmall\n"))
    assert error is raised
    assert (error.number, error.description, error.source, error.help_file, error.help_context) == (
        1, "Chemical shift is missing.", "Editor", "editor.chm", 42)
    assert editor.calls == ["SetSmall"], "the first word stays done, the third never runs"


def test_any_other_python_exception_is_error_440_with_its_message():
    class Editor:
        def QueryValue(self, x):
            raise ValueError(f"cannot read {x}")

    runner = CommandRunner()
    runner.Executer = Editor()
    error = error_of(lambda: runner.Run("=abc\n"))
    assert (error.number, error.description, error.source) == (440, "cannot read abc", "ValueError")


def test_an_exception_without_a_message_is_described_by_its_type():
    class Editor:
        def QueryValue(self, x):
            raise RuntimeError()

    runner = CommandRunner()
    runner.Executer = Editor()
    error = error_of(lambda: runner.Run("=abc\n"))
    assert (error.number, error.description) == (440, "RuntimeError")


def test_ignore_error_skips_python_exceptions_too():
    class Editor:
        def __init__(self):
            self.typed = []

        def QueryValue(self, x):
            if x == "bad":
                raise KeyError(x)
            return x

        def TypeText(self, text, style):
            self.typed.append(text)

    editor = Editor()
    runner = CommandRunner()
    runner.Executer = editor
    runner.IgnoreError = True
    runner.Run("=bad\n=good\nTypeText\n")
    assert editor.typed == ["good"]


def test_keyboard_interrupt_is_never_swallowed():
    class Editor:
        def QueryValue(self, x):
            raise KeyboardInterrupt

    runner = CommandRunner()
    runner.Executer = Editor()
    runner.IgnoreError = True
    with pytest.raises(KeyboardInterrupt):
        runner.Run("=1\n")


def test_operation_names_ignore_case_as_automation_does():
    class Editor:
        def __init__(self):
            self.calls = []

        def queryvalue(self, x):
            return x

        def TYPETEXT(self, text, style):
            self.calls.append(text)

    editor = Editor()
    runner = CommandRunner()
    runner.Executer = editor
    runner.Run("=hello\nTypeText\n")
    assert editor.calls == ["hello"]


def test_query_value_answers_cursor_position_as_the_host_reports_it():
    class Editor:
        def __init__(self):
            self.cursor = 0
            self.typed = []

        def QueryValue(self, x):
            return self.cursor if x == "$CursorPosition" else x

        def TypeText(self, text, style):
            self.cursor += len(text)

        def MoveCursor(self, target):
            self.typed.append(target)

    editor = Editor()
    runner = CommandRunner()
    runner.Executer = editor
    runner.Run("=abc\nTypeText\n=$CursorPosition\nGoTo\n")
    assert editor.typed == ["3"]


def test_a_glyphwright_object_can_be_the_executer():
    inner = CommandRunner()
    runner = CommandRunner()
    runner.Executer = inner
    assert runner.Executer is inner
    error = error_of(lambda: runner.Run("=1\n"))
    assert error.number == 438  # a runner has no QueryValue
