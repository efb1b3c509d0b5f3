"""The character formatting the scripts use, as Writer's character properties."""

from com.sun.star.awt.FontSlant import ITALIC
from com.sun.star.awt.FontWeight import BOLD
from com.sun.star.beans.PropertyState import DIRECT_VALUE
from com.sun.star.style.CaseMap import SMALLCAPS

from .text_positions import PARAGRAPH_BREAK, text_runs

# The answers of GetSubscript and GetSuperscript.
WHOLE_RANGE_SET = -1
NONE_SET = 0
MIXED = 9999999

SUBSCRIPT = -1
SUPERSCRIPT = 1

# Set together and in this order: Writer takes the automatic position only when it comes after
# the escapement, and a real subscript or superscript needs all three in one call (set apart,
# .docx gets a lowered or raised baseline instead of w:vertAlign).
ESCAPEMENT = ("CharEscapement", "CharEscapementHeight", "CharAutoEscapement")
SCRIPT_ON = {SUBSCRIPT: (-33, 58, True), SUPERSCRIPT: (33, 58, True)}
SCRIPT_OFF = (0, 100, False)

# What a typed or pasted text must not take over from the character before it.
MODELLED = ESCAPEMENT + (
    "CharPosture", "CharPostureAsian", "CharPostureComplex",
    "CharWeight", "CharWeightAsian", "CharWeightComplex",
    "CharCaseMap", "CharStyleName",
)

CHEMICAL_ITALIC = "Chemical Italic"
CHEMICAL_SMALL = "Chemical Small"
CHARACTER_STYLE_LOOKS = {
    CHEMICAL_ITALIC: {"CharPosture": ITALIC},
    CHEMICAL_SMALL: {"CharCaseMap": SMALLCAPS},
}


def script_state(text_range, sign):
    """WHOLE_RANGE_SET, NONE_SET or MIXED: how much of the range is lowered (sign -1) or raised
    (sign 1). An empty range is NONE_SET."""
    if text_range.isCollapsed():
        return NONE_SET
    # A range's own property state is no guide: Writer may report one value for a mixed range.
    total = matching = 0
    for width, part in text_runs(text_range):
        if part is PARAGRAPH_BREAK:
            continue
        total += width
        if part.getPropertyValue("CharEscapement") * sign > 0:
            matching += width
    if matching == 0:
        return NONE_SET
    return WHOLE_RANGE_SET if matching == total else MIXED


def set_script(text_range, sign):
    """Lowers (sign -1) or raises (sign 1) the range as a subscript or superscript."""
    if not text_range.isCollapsed():
        text_range.setPropertyValues(ESCAPEMENT, SCRIPT_ON[sign])


def clear_script(text_range, sign):
    """Puts the characters of the range that are lowered (sign -1) or raised (sign 1) back on the
    baseline; the others keep their position."""
    state = script_state(text_range, sign)
    if state == NONE_SET:
        return
    text = text_range.getText()
    if state == WHOLE_RANGE_SET:
        targets = [text_range]
    else:
        targets = [text.createTextCursorByRange(part) for _, part in text_runs(text_range)
                   if part is not PARAGRAPH_BREAK
                   and part.getPropertyValue("CharEscapement") * sign > 0]
    for target in targets:
        target.setPropertiesToDefault(ESCAPEMENT)
        # A character style may lower or raise the text itself: override it.
        if target.getPropertyValue("CharEscapement") * sign > 0:
            target.setPropertyValues(ESCAPEMENT, SCRIPT_OFF)


def set_small_capitals(text_range):
    if not text_range.isCollapsed():
        text_range.setPropertyValue("CharCaseMap", SMALLCAPS)


def set_named_format(document, text_range, name):
    """"Italic" and "Bold" as direct formatting; any other name as a character style, made when
    the document lacks it."""
    if text_range.isCollapsed():
        return
    if name == "Italic":
        text_range.setPropertyValue("CharPosture", ITALIC)
    elif name == "Bold":
        text_range.setPropertyValue("CharWeight", BOLD)
    else:
        text_range.setPropertyValue("CharStyleName", ensure_character_style(document, name))


def make_plain(text_range):
    """Removes what the range took over from its neighbours: its script position, italic, bold,
    small capitals and character style then come from the paragraph style alone."""
    if not text_range.isCollapsed():
        text_range.setPropertiesToDefault(MODELLED)


def read_modelled(text_range):
    """The direct values of the modelled properties of a range with one set of attributes:
    a dict of name to value, without the properties that come from a style or the default."""
    states = text_range.getPropertyStates(MODELLED)
    direct = [name for name, state in zip(MODELLED, states) if state == DIRECT_VALUE]
    return dict(zip(direct, text_range.getPropertyValues(tuple(direct)))) if direct else {}


def write_modelled(text_range, values):
    """Gives the range exactly the direct values read by read_modelled."""
    if text_range.isCollapsed():
        return
    text_range.setPropertiesToDefault(MODELLED)
    if values:
        names = [name for name in ESCAPEMENT if name in values]
        names += [name for name in values if name not in ESCAPEMENT]
        text_range.setPropertyValues(tuple(names), tuple(values[name] for name in names))


def ensure_character_style(document, name):
    styles = document.getStyleFamilies().getByName("CharacterStyles")
    if not styles.hasByName(name):
        style = document.createInstance("com.sun.star.style.CharacterStyle")
        styles.insertByName(name, style)
        for prop, value in CHARACTER_STYLE_LOOKS.get(name, {}).items():
            style.setPropertyValue(prop, value)
    return name


def ensure_paragraph_style(document, name):
    styles = document.getStyleFamilies().getByName("ParagraphStyles")
    if not styles.hasByName(name):
        style = document.createInstance("com.sun.star.style.ParagraphStyle")
        styles.insertByName(name, style)
        style.setParentStyle("Standard")
    return name
