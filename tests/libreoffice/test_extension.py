"""The installed extension: its menu, its shortcuts and its settings."""

import os

import pytest
from com.sun.star.awt import Key
from com.sun.star.awt.KeyModifier import MOD1, MOD2, SHIFT
from com.sun.star.util import URL

from conftest import DEFAULT_SETTINGS, EXTENSION, SETTINGS_NODE
from office import props

MENU = "/org.openoffice.Office.Addons/AddonUI/OfficeMenuBarMerging/org.glyphwright.libreoffice"
COMMANDS = {
    "vnd.glyphwright:Formula": Key.F, "vnd.glyphwright:Ion": Key.I,
    "vnd.glyphwright:CycleDigits": Key.D, "vnd.glyphwright:Name": Key.N,
    "vnd.glyphwright:Journal": Key.J, "vnd.glyphwright:Characterisation": None,
    "vnd.glyphwright:CheckCharacterisation": None, "vnd.glyphwright:NmrListToTable": Key.T,
    "vnd.glyphwright:NmrTableToList": Key.L, "vnd.glyphwright:NmrRestyle": Key.R,
    "vnd.glyphwright:EverythingInSelection": None, "vnd.glyphwright:EverythingInDocument": None,
    "vnd.glyphwright:Settings": None,
}


def configuration(ctx, path):
    provider = ctx.ServiceManager.createInstanceWithContext(
        "com.sun.star.configuration.ConfigurationProvider", ctx)
    return provider.createInstanceWithArguments(
        "com.sun.star.configuration.ConfigurationAccess", props(nodepath=path))


def test_the_extension_is_installed_for_the_user(office):
    assert EXTENSION in office.user_extensions()


def test_the_chemistry_menu_merges_into_format_and_every_entry_dispatches(office, doc):
    merge = configuration(office.ctx, MENU + "/Chemistry")
    assert merge.MergePoint == ".uno:FormatMenu\\.uno:TextAlign"
    assert merge.MergeContext == "com.sun.star.text.TextDocument"
    submenu = merge.getByName("MenuItems").getByName("M00").getByName("Submenu")
    urls = [submenu.getByName(name).URL for name in sorted(submenu.getElementNames())]
    commands = [url for url in urls if url != "private:separator"]
    assert commands == list(COMMANDS)

    frame = doc.document.getCurrentController().getFrame()
    for command in commands:
        url = URL()
        url.Complete = command
        assert frame.queryDispatch(url, "_self", 0) is not None, command


def test_every_job_has_its_default_shortcut_in_writer(office):
    supplier = office.ctx.ServiceManager.createInstanceWithContext(
        "com.sun.star.ui.ModuleUIConfigurationManagerSupplier", office.ctx)
    shortcuts = supplier.getUIConfigurationManager(
        "com.sun.star.text.TextDocument").getShortCutManager()
    bound = {}
    for event in shortcuts.getAllKeyEvents():
        bound.setdefault(shortcuts.getCommandByKeyEvent(event), []).append(
            (event.KeyCode, event.Modifiers))
    for command, key in COMMANDS.items():
        if key is not None:
            assert bound.get(command) == [(key, SHIFT | MOD1 | MOD2)], command


def test_a_fresh_profile_has_the_default_settings(office):
    from glyphwright_writer import settings
    assert settings.load(office.ctx) == DEFAULT_SETTINGS == settings.DEFAULTS


def test_each_query_takes_the_settings_its_class_has(office):
    from glyphwright_writer import settings
    assert settings.QUERY_SETTINGS == {
        "ChemFormulaQuery": ("ItalicCommand",),
        "ChemNameQuery": ("ItalicCommand", "SmallCommand"),
        "NMRSpecFormQuery": ("JValueStyle", "SpecFormat", "TableFormat"),
        "NMRSpecFormRQuery": ("Strict", "SpecFormat", "TableFormat"),
        "CharacterisationQuery": ("ItalicCommand",),
        "NMRStyleQuery": ("Style", "Sort", "ShiftDecimals", "CouplingDecimals"),
        "ChemTextQuery": ("ItalicCommand", "SmallCommand"),
    }


def test_the_settings_dialog_has_one_row_for_every_setting(office):
    from glyphwright_writer import settings, settings_dialog
    assert sorted(name for _, name, _ in settings_dialog.ROWS) == sorted(settings.DEFAULTS)


def test_stored_settings_persist_and_reach_the_job(office, doc, settings):
    from glyphwright_writer import settings as stored
    stored.save(office.ctx, {"JValueStyle": 2, "SpecFormat": "J, 1H, d"})
    provider = office.ctx.ServiceManager.createInstanceWithContext(
        "com.sun.star.configuration.ConfigurationProvider", office.ctx)
    provider.flush()
    with open(os.path.join(office.profile, "user", "registrymodifications.xcu"),
              encoding="utf-8") as saved:
        profile = saved.read()
    assert 'oor:path="/org.glyphwright.Chemistry/Queries"><prop oor:name="JValueStyle" ' \
        'oor:op="fuse"><value>2</value>' in profile

    table = "7.10\t2H\tdd\t8.0, 2.0"
    doc.write("1H NMR δ\r" + table + "\rEnd.")
    doc.select_text(table)
    assert doc.dispatch("NmrTableToList") == ""
    assert doc.plain_text() == "1H NMR δ7.10 (J = 8.0, 2.0 Hz, 2H, dd). \rEnd."


@pytest.mark.parametrize("typed, stored", [
    ("j, D, 1h", "J, d, 1H"),
    ("1H, d", "1H, d, J"),  # an order the queries reject reads as the default
    ("", "1H, d, J"),
])
def test_the_settings_dialog_normalises_the_field_orders(office, typed, stored):
    from glyphwright_writer import settings_dialog
    values = dict(DEFAULT_SETTINGS, ItalicCommand="Chemical Italic", JValueStyle=0, Strict=True)
    dialog = settings_dialog.build(office.ctx, values)
    try:
        dialog.getModel().getByName("SpecFormat").Text = typed
        dialog.getModel().getByName("TableFormat").Text = typed
        assert settings_dialog.read(dialog) == dict(values, SpecFormat=stored, TableFormat=stored)
    finally:
        dialog.dispose()


def test_the_settings_dialog_holds_the_restyling_settings(office):
    from glyphwright_writer import settings_dialog
    values = dict(DEFAULT_SETTINGS, Style="Wiley", Sort="AsTyped", ShiftDecimals=-1,
                  CouplingDecimals=2)
    dialog = settings_dialog.build(office.ctx, values)
    try:
        assert settings_dialog.read(dialog) == values
    finally:
        dialog.dispose()
    # A style this version does not know shows as the default.
    dialog = settings_dialog.build(office.ctx, dict(DEFAULT_SETTINGS, Style="Nature"))
    try:
        assert settings_dialog.read(dialog)["Style"] == "ACS"
    finally:
        dialog.dispose()


def test_an_unknown_stored_unit_style_shows_as_never(office):
    from glyphwright_writer import settings_dialog
    dialog = settings_dialog.build(office.ctx, dict(DEFAULT_SETTINGS, JValueStyle=7))
    try:
        assert settings_dialog.read(dialog)["JValueStyle"] == 0
    finally:
        dialog.dispose()


def test_the_settings_command_changes_nothing_when_the_dialog_is_closed(office, doc):
    from glyphwright_writer import settings
    assert doc.dispatch("Settings") == ""
    assert settings.load(office.ctx) == DEFAULT_SETTINGS


def test_settings_node_is_the_documented_one():
    from glyphwright_writer import settings
    assert settings.NODE == SETTINGS_NODE
