"""The query settings of the extension, kept in LibreOffice's configuration (the schema
GlyphwrightSettings.xcs, node /org.glyphwright.Chemistry/Queries), so they persist in the user's
profile and can also be changed in Tools > Options > Advanced > Expert Configuration."""

import glyphwright
from com.sun.star.beans import PropertyValue

NODE = "/org.glyphwright.Chemistry/Queries"

# A property without a get starts as the one named here does: both field orders start alike.
_STARTS_AS = {"TableFormat": "SpecFormat"}


def _query_classes():
    """The query classes of the module, by name: the ones that answer GetCommands."""
    return {name: cls for name, cls in vars(glyphwright).items()
            if isinstance(cls, type) and issubclass(cls, glyphwright.Dispatch)
            and callable(getattr(cls, "GetCommands", None))}


def _settings_of(cls):
    """The settings a query class takes and their values in a new query, in its member order:
    every property that can be set to a text, a number or a truth value (not an object)."""
    fresh = cls()
    found = {}
    for name, member in vars(cls).items():
        if isinstance(member, property) and member.fset is not None:
            readable = name if member.fget is not None else _STARTS_AS.get(name)
            value = getattr(fresh, readable) if readable else None
            if isinstance(value, (str, int, bool)):
                found[name] = value
    return found


def _collect():
    defaults, by_class = {}, {}
    for class_name, cls in _query_classes().items():
        own = _settings_of(cls)
        for name, value in own.items():
            if defaults.setdefault(name, value) != value:
                raise RuntimeError(f"queries disagree on the default of {name}")
        if own:
            by_class[class_name] = tuple(own)
    return defaults, by_class


# What a fresh profile has, as a new query has it (the schema holds the same values), and the
# settings each query takes, by query class.
DEFAULTS, QUERY_SETTINGS = _collect()


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
