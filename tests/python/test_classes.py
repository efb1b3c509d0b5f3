"""Every public class is in the module with its members, made from the member tables."""

import datetime
import gc
import inspect

import pytest

import glyphwright

# name -> (properties readable, properties writable, methods), from the published class surface.
SURFACE = {
    "CommandRunner": ({"Executer", "IgnoreError"}, {"Executer", "IgnoreError"}, {"Run"}),
    "ChemFormulaQuery": ({"ItalicCommand"}, {"ItalicCommand"}, {"GetCommands"}),
    "IonFormulaQuery": (set(), set(), {"GetCommands"}),
    "ChemRDigitQuery": ({"FontListener"}, {"FontListener"},
                        {"QueryValue", "SetSubscript", "GetCommands"}),
    "ChemNameQuery": ({"ItalicCommand", "SmallCommand"}, {"ItalicCommand", "SmallCommand"},
                      {"GetCommands"}),
    "JournalQuery": (set(), set(), {"GetCommands"}),
    "NMRSpecFormQuery": ({"JValueStyle", "SpecFormat"}, {"JValueStyle", "SpecFormat", "TableFormat"},
                         {"GetCommands"}),
    "NMRSpecFormRQuery": ({"Strict", "SpecFormat"}, {"Strict", "SpecFormat", "TableFormat"},
                          {"GetCommands"}),
    "NMRStyleQuery": ({"Style", "Sort", "ShiftDecimals", "CouplingDecimals"},
                      {"Style", "Sort", "ShiftDecimals", "CouplingDecimals"},
                      {"GetCommands", "ExplainPeakList"}),
    "ChemTextQuery": ({"ItalicCommand", "SmallCommand", "FontListener"},
                      {"ItalicCommand", "SmallCommand", "FontListener"}, {"GetCommands"}),
}


def test_every_public_class_is_there():
    assert set(SURFACE) <= set(dir(glyphwright))


@pytest.mark.parametrize("name", sorted(SURFACE))
def test_the_class_has_exactly_the_published_members(name):
    cls = getattr(glyphwright, name)
    readable, writable, methods = SURFACE[name]
    own = {key: value for key, value in vars(cls).items() if not key.startswith("_")}
    properties = {key for key, value in own.items() if isinstance(value, property)}
    assert properties == readable | writable
    assert {key for key in properties if own[key].fget is not None} == readable
    assert {key for key in properties if own[key].fset is not None} == writable
    assert set(own) - properties == methods


@pytest.mark.parametrize("name", sorted(SURFACE))
def test_create_object_makes_the_class_by_prog_id(name):
    made = glyphwright.CreateObject(f"Glyphwright.{name}")
    assert type(made) is getattr(glyphwright, name)
    assert type(glyphwright.CreateObject(f"glyphwright.{name.upper()}")) is type(made)
    assert isinstance(made, glyphwright.Dispatch)


@pytest.mark.parametrize("name", ["ChemSubscriptQuery", "ChemSuperscriptQuery",
                                  "TripleBondTransQuery", "ChemKeywordsQuery"])
def test_private_scanners_are_not_exposed(name):
    assert not hasattr(glyphwright, name)
    with pytest.raises(glyphwright.AutomationError) as caught:
        glyphwright.CreateObject(f"Glyphwright.{name}")
    assert caught.value.number == 429


@pytest.mark.parametrize("name", ["NMRSpecFormQuery", "NMRSpecFormRQuery"])
def test_table_format_is_write_only(name):
    query = getattr(glyphwright, name)()
    query.TableFormat = "1H, d, J"
    with pytest.raises(AttributeError):
        query.TableFormat


def test_set_subscript_takes_v_as_optional_keyword():
    doc = glyphwright.ChemRDigitQuery.SetSubscript.__doc__
    assert "SetSubscript(Index: int, Length: int, v: int = -1) -> None" in doc


def test_the_module_is_built_for_this_interpreter():
    assert inspect.ismodule(glyphwright)
    assert glyphwright.__file__.endswith(".so")


def test_an_object_only_the_library_holds_comes_back_as_its_class():
    runner = glyphwright.CommandRunner()
    runner.Executer = glyphwright.ChemFormulaQuery()  # no Python object is left of the query
    gc.collect()
    first = runner.Executer
    assert type(first) is glyphwright.ChemFormulaQuery
    assert first.GetCommands("H2O") == glyphwright.ChemFormulaQuery().GetCommands("H2O")
    assert runner.Executer is first


@pytest.mark.parametrize("argument", [(), (datetime.datetime_CAPI,), ("Glyphwright.CommandRunner",)])
def test_dispatch_itself_cannot_be_made(argument):
    with pytest.raises(TypeError):
        glyphwright.Dispatch(*argument)
