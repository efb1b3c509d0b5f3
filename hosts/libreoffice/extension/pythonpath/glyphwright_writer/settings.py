"""The query settings of the extension, kept in LibreOffice's configuration (the schema
GlyphwrightSettings.xcs, node /org.glyphwright.Chemistry/Queries), so they persist in the user's
profile and can also be changed in Tools > Options > Advanced > Expert Configuration."""

from com.sun.star.beans import PropertyValue

NODE = "/org.glyphwright.Chemistry/Queries"

# What a fresh profile has; the schema holds the same values.
DEFAULTS = {
    "ItalicCommand": "Italic",
    "SmallCommand": "Small",
    "SpecFormat": "1H, d, J",
    "TableFormat": "1H, d, J",
    "JValueStyle": 1,
    "Strict": False,
    "Style": "ACS",
    "Sort": "Descending",
    "ShiftDecimals": -2,
    "CouplingDecimals": 1,
}

# The settings each query takes, by query class.
QUERY_SETTINGS = {
    "ChemFormulaQuery": ("ItalicCommand",),
    "ChemNameQuery": ("ItalicCommand", "SmallCommand"),
    "CharacterisationQuery": ("ItalicCommand",),
    "NMRSpecFormRQuery": ("SpecFormat", "TableFormat", "Strict"),
    "NMRSpecFormQuery": ("SpecFormat", "TableFormat", "JValueStyle"),
    "NMRStyleQuery": ("Style", "Sort", "ShiftDecimals", "CouplingDecimals"),
}


def _access(ctx, service):
    provider = ctx.ServiceManager.createInstanceWithContext(
        "com.sun.star.configuration.ConfigurationProvider", ctx)
    node = PropertyValue()
    node.Name = "nodepath"
    node.Value = NODE
    return provider.createInstanceWithArguments(service, (node,))


def load(ctx):
    """Every setting; a profile without the schema (or a broken value) gives the defaults."""
    values = dict(DEFAULTS)
    try:
        access = _access(ctx, "com.sun.star.configuration.ConfigurationAccess")
    except Exception:  # the schema is not installed: keep the defaults
        return values
    for name, default in DEFAULTS.items():
        if access.hasByName(name):
            value = access.getByName(name)
            if value is not None:
                values[name] = type(default)(value)
    return values


def save(ctx, values):
    """Stores the given settings in the user's profile."""
    access = _access(ctx, "com.sun.star.configuration.ConfigurationUpdateAccess")
    for name, value in values.items():
        if name not in DEFAULTS:
            raise KeyError(name)
        if isinstance(DEFAULTS[name], bool):
            value = bool(value)
        elif isinstance(DEFAULTS[name], int):
            value = int(value)
        else:
            value = str(value)
        access.replaceByName(name, value)
    access.commitChanges()


def apply(query, class_name, values):
    """Sets the settings that a query of the class takes."""
    for name in QUERY_SETTINGS.get(class_name, ()):
        setattr(query, name, values[name])
