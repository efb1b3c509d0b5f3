"""Format > Chemistry > Settings: a small dialog over the stored query settings."""

import glyphwright

from . import settings
from .dialog_model import DialogModel

ITALIC_CHOICES = (("Italic", "Italic (direct formatting)"),
                  ("Chemical Italic", "Chemical Italic (character style)"))
SMALL_CHOICES = (("Small", "Small capitals (direct formatting)"),
                 ("Chemical Small", "Chemical Small (character style)"))
# Any other stored value means "never", as it does to the query.
UNIT_CHOICES = ((1, "after every coupling constant"),
                (2, "after the last coupling constant"),
                (0, "never"))
# The restyling settings: an unknown stored value shows as the first (the default) choice.
STYLE_CHOICES = tuple((name, name) for name in
                      ("ACS", "RSC", "JMedChem", "Wiley", "Elsevier", "Chemotion"))
SORT_CHOICES = (("Descending", "high to low"), ("Ascending", "low to high"),
                ("AsTyped", "as typed"))
SHIFT_DECIMALS_CHOICES = ((-2, "the nucleus's usual (1H 2, 13C 1)"), (-1, "as typed")) + tuple(
    (n, str(n)) for n in range(7))
COUPLING_DECIMALS_CHOICES = tuple((n, str(n)) for n in (1, 0, 2, 3, 4, 5, 6)) + ((-1, "as typed"),)

# A field with no choices is a text field (a field order); this one is a check box.
CHECK_BOX = "check box"

# One row a setting, in the dialog's order: its label, its name and its choices.
ROWS = (
    ("Italic", "ItalicCommand", ITALIC_CHOICES),
    ("Small capitals", "SmallCommand", SMALL_CHOICES),
    ("NMR list order", "SpecFormat", None),
    ("NMR table order", "TableFormat", None),
    ("Unit Hz", "JValueStyle", UNIT_CHOICES),
    ("Strict: each NMR peak needs a shift and a count", "Strict", CHECK_BOX),
    ("NMR style", "Style", STYLE_CHOICES),
    ("NMR peak order", "Sort", SORT_CHOICES),
    ("Shift decimals", "ShiftDecimals", SHIFT_DECIMALS_CHOICES),
    ("Coupling decimals", "CouplingDecimals", COUPLING_DECIMALS_CHOICES),
)

OK = 1  # what execute() answers for the OK button

# Layout in dialog units: label column, field column, row height.
LABEL_X, FIELD_X, WIDTH, ROW = 6, 96, 230, 16


def normalized_order(descriptor):
    """The field order as the NMR queries read it; an order they reject reads "1H, d, J"."""
    query = glyphwright.NMRSpecFormQuery()
    query.SpecFormat = descriptor
    return query.SpecFormat


def build(ctx, values):
    """The dialog, filled with values, not yet shown."""
    model = DialogModel(ctx, "Chemistry Settings", WIDTH, 12 * ROW + 8)

    def add(kind, name, row, x, width, **properties):
        model.add(kind, name, x, 6 + row * ROW, width, 12, **properties)

    field_width = WIDTH - FIELD_X - LABEL_X
    for row, (label, name, choices) in enumerate(ROWS):
        if choices is CHECK_BOX:
            add("CheckBox", name, row, LABEL_X, WIDTH - 2 * LABEL_X, Label=label,
                State=1 if values[name] else 0)
            continue
        add("FixedText", f"{name}Label", row, LABEL_X, FIELD_X - LABEL_X, Label=label)
        if choices is None:
            add("Edit", name, row, FIELD_X, field_width, Text=values[name])
        else:
            keys = [key for key, _ in choices]
            fallback = keys[-1] if name == "JValueStyle" else keys[0]
            current = values[name] if values[name] in keys else fallback
            add("ListBox", name, row, FIELD_X, field_width, Dropdown=True,
                StringItemList=tuple(text for _, text in choices),
                SelectedItems=(keys.index(current),))
    add("Button", "OK", 11, WIDTH - 2 * 56, 50, Label="OK", PushButtonType=OK, DefaultButton=True)
    add("Button", "Cancel", 11, WIDTH - 56, 50, Label="Cancel", PushButtonType=2)

    return model.dialog()


def read(dialog):
    """The settings as the dialog shows them, field orders normalised."""
    model = dialog.getModel()

    def chosen(name, choices):
        selected = model.getByName(name).SelectedItems
        return choices[selected[0] if selected else 0][0]

    def shown(name, choices):
        if choices is CHECK_BOX:
            return model.getByName(name).State == 1
        if choices is None:
            return normalized_order(model.getByName(name).Text)
        return chosen(name, choices)

    return {name: shown(name, choices) for _, name, choices in ROWS}


def edit(ctx, frame):
    """Shows the dialog; OK stores what it shows."""
    dialog = build(ctx, settings.load(ctx))
    try:
        toolkit = ctx.ServiceManager.createInstanceWithContext("com.sun.star.awt.Toolkit", ctx)
        parent = frame.getContainerWindow() if frame is not None else None
        dialog.createPeer(toolkit, parent)
        if dialog.execute() == OK:
            settings.save(ctx, read(dialog))
    finally:
        dialog.dispose()
