"""Calling conventions of the generated classes: keywords, argument coercion, errors."""

import pytest

import glyphwright
from glyphwright import AutomationError, CommandRunner


def error_of(call):
    with pytest.raises(AutomationError) as caught:
        call()
    return caught.value


def test_methods_take_their_parameter_names_as_keywords(executer):
    runner = CommandRunner()
    runner.Executer = executer
    runner.Run(Commands="=1\nTypeText\n")
    assert executer.calls == ["QueryValue(1)", "TypeText(1, )"]


def test_an_unknown_keyword_is_a_type_error():
    with pytest.raises(TypeError, match="unexpected keyword argument 'commands'"):
        CommandRunner().Run(commands="")


def test_a_keyword_given_twice_is_a_type_error():
    with pytest.raises(TypeError, match="multiple values"):
        CommandRunner().Run("", Commands="")


def test_a_missing_argument_is_error_449():
    error = error_of(lambda: CommandRunner().Run())
    assert (error.number, error.description) == (449, "Argument not optional")


def test_too_many_arguments_is_error_450():
    error = error_of(lambda: CommandRunner().Run("", ""))
    assert error.number == 450


def test_a_string_parameter_takes_any_value_convertible_to_text(executer):
    runner = CommandRunner()
    runner.Executer = executer
    runner.Run(12)  # the script "12": a line that is no word
    runner.Run(None)
    assert executer.calls == []
    error = error_of(lambda: runner.Run(object()))
    assert (error.number, error.description) == (13, "Type mismatch")


def test_boolean_properties_take_automation_conversions():
    runner = CommandRunner()
    runner.IgnoreError = "true"
    assert runner.IgnoreError is True
    runner.IgnoreError = 0
    assert runner.IgnoreError is False
    runner.IgnoreError = -1.0
    assert runner.IgnoreError is True
    error = error_of(lambda: setattr(runner, "IgnoreError", "perhaps"))
    assert error.number == 13


def test_members_keep_their_names_and_carry_their_signatures():
    assert "Run(Commands: str) -> None" in CommandRunner.Run.__doc__
    assert "0x60030004" in CommandRunner.Run.__doc__
    assert "put by reference" in CommandRunner.Executer.__doc__


def test_errors_are_exceptions_with_the_five_fields():
    error = AutomationError(5, "Fatal on GetSpecialFolderName.")
    assert isinstance(error, Exception)
    assert (error.number, error.description, error.source, error.help_file, error.help_context) == (
        5, "Fatal on GetSpecialFolderName.", "", "", 0)
    assert str(error) == "error 5: Fatal on GetSpecialFolderName."


def test_errors_raised_by_the_library_name_their_source():
    error = error_of(lambda: glyphwright.CreateObject("Glyphwright.Nothing"))
    assert (error.number, error.description, error.source) == (
        429, "ActiveX component can't create object", "Glyphwright")


def test_the_error_class_is_picklable():
    import pickle
    error = pickle.loads(pickle.dumps(AutomationError(1, "Internal Error.", "here", "h.chm", 3)))
    assert (error.number, error.description, error.source, error.help_file, error.help_context) == (
        1, "Internal Error.", "here", "h.chm", 3)
