"""The character formatting the scripts use, as Writer's character properties."""

from com.sun.star.awt.FontSlant import ITALIC
from com.sun.star.awt.FontWeight import BOLD
from com.sun.star.beans.PropertyState import AMBIGUOUS_VALUE, DEFAULT_VALUE, DIRECT_VALUE
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

# Writer draws a capital under small capitals at full size, so small capitals also make their
# characters smaller: to the size Writer gives the small capitals of lower-case letters. The size
# is a plain character height, which .odt and .docx both keep (Word knows no relative size).
SMALL_CAPITAL_SCALE = 0.8
HEIGHTS = ("CharHeight", "CharHeightAsian", "CharHeightComplex")

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
    """Small capitals, their characters made smaller. Characters in small capitals already keep
    their size, so formatting a range twice does not shrink it twice."""
    if text_range.isCollapsed():
        return
    text = text_range.getText()
    for _, part in text_runs(text_range):
        if part is PARAGRAPH_BREAK or part.getPropertyValue("CharCaseMap") == SMALLCAPS:
            continue
        target = text.createTextCursorByRange(part)
        target.setPropertyValues(HEIGHTS, tuple(
            round(height * SMALL_CAPITAL_SCALE, 1) for height in target.getPropertyValues(HEIGHTS)))
    text_range.setPropertyValue("CharCaseMap", SMALLCAPS)


def _took_small_capitals(text_range):
    """Whether some of the range is in small capitals, which bring their smaller size along
    (from the character before a typed or pasted text). The value decides, not the property
    state: Writer keeps the attributes of a paragraph's whole text with the paragraph and then
    reports them as default values."""
    if text_range.getPropertyState("CharCaseMap") == AMBIGUOUS_VALUE:
        return True
    return text_range.getPropertyValue("CharCaseMap") == SMALLCAPS


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
    small capitals (with their size) and character style then come from the paragraph style
    alone."""
    if text_range.isCollapsed():
        return
    if _took_small_capitals(text_range):
        text_range.setPropertiesToDefault(MODELLED + HEIGHTS)
    else:
        text_range.setPropertiesToDefault(MODELLED)


def read_modelled(text_range):
    """The direct values of the modelled properties of a range with one set of attributes:
    a dict of name to value, without the properties that come from a style or the default.
    A range in small capitals comes with its direct character heights."""
    names = MODELLED + HEIGHTS if _took_small_capitals(text_range) else MODELLED
    states = text_range.getPropertyStates(names)
    direct = [name for name, state in zip(names, states) if state == DIRECT_VALUE]
    return dict(zip(direct, text_range.getPropertyValues(tuple(direct)))) if direct else {}


def write_modelled(text_range, values):
    """Gives the range exactly the direct values read by read_modelled."""
    if text_range.isCollapsed():
        return
    make_plain(text_range)
    set_modelled(text_range, values)


def set_modelled(text_range, values):
    """Sets the direct values read by read_modelled on a range that is plain."""
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
        if name == CHEMICAL_SMALL:
            _make_small(document, style)
    elif name == CHEMICAL_SMALL:
        style = styles.getByName(name)
        # Made by an earlier version, small capitals alone: its capitals show at full size.
        if style.getPropertyValue("CharCaseMap") == SMALLCAPS and \
                style.getPropertyState("CharHeight") == DEFAULT_VALUE:
            _make_small(document, style)
    return name


def _make_small(document, style):
    """A character style's height is no share of the text it is used in, so the style takes the
    smaller size of the default paragraph style's text."""
    paragraphs = document.getStyleFamilies().getByName("ParagraphStyles")
    source = paragraphs.getByName("Standard") if paragraphs.hasByName("Standard") else style
    style.setPropertyValues(HEIGHTS, tuple(
        round(height * SMALL_CAPITAL_SCALE, 1) for height in source.getPropertyValues(HEIGHTS)))


def ensure_paragraph_style(document, name):
    styles = document.getStyleFamilies().getByName("ParagraphStyles")
    if not styles.hasByName(name):
        style = document.createInstance("com.sun.star.style.ParagraphStyle")
        styles.insertByName(name, style)
        style.setParentStyle("Standard")
    return name
