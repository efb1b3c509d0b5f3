#include "document/document.h"

#include <algorithm>
#include <limits>
#include <typeinfo>

#include "automation/automation_error.h"
#include "automation/number_text.h"

namespace glyphwright {
namespace {

enum Flag : uint8_t {
  kSubscript = 1,
  kSuperscript = 2,
  kSmallCaps = 4,
  kItalic = 8,
  kBold = 16,
};

constexpr std::u16string_view kCursorPosition = u"$CursorPosition";

// Where a position ends up when the range [start, end) is removed before or around it.
int32_t AfterRemoval(int32_t position, int32_t start, int32_t end) {
  if (position >= end) return position - (end - start);
  return std::min(position, start);
}

}  // namespace

Document::Document(std::u16string_view text) {
  Append(text, {});
  Select(0, Size());  // origin 0, as BeginQuery leaves it
}

Document::Document(std::u16string_view before, std::u16string_view selection,
                   std::u16string_view after) {
  // One block for the three parts; a part too long for the document raises in its Append.
  const std::size_t total = before.size() + selection.size() + after.size();
  if (total <= static_cast<std::size_t>(maxLength_)) cells_.reserve(total);
  Append(before, {});
  Append(selection, {});
  Append(after, {});
  Select(static_cast<int32_t>(before.size()), static_cast<int32_t>(selection.size()));
  origin_ = selectionStart_;  // as BeginQuery sets it, without making the text it answers
}

// ---- positions and ranges ----

void Document::CollapseSelection() {
  selectionStart_ = selectionEnd_ = cursor_;
}

// ---- styles and cells ----

Document::StyleId Document::InternStyle(std::u16string_view name) {
  return styles_.Intern(name);
}

Document::Cell Document::MakeCell(char16_t code, const CharFormat& format) {
  uint8_t flags = 0;
  if (format.subscript) flags |= kSubscript;
  if (format.superscript) flags |= kSuperscript;
  if (format.smallCaps) flags |= kSmallCaps;
  if (format.italic) flags |= kItalic;
  if (format.bold) flags |= kBold;
  return {code, flags, InternStyle(format.style), 0};
}

CharFormat Document::FormatOf(const Cell& cell) const {
  CharFormat format;
  AssignFormat(cell, format);
  return format;
}

void Document::AssignFormat(const Cell& cell, CharFormat& format) const {
  AssignFlags(cell.flags, format);
  format.style.assign(styles_[cell.style]);
}

void Document::AssignFlags(uint8_t flags, CharFormat& format) {
  format.subscript = (flags & kSubscript) != 0;
  format.superscript = (flags & kSuperscript) != 0;
  format.smallCaps = (flags & kSmallCaps) != 0;
  format.italic = (flags & kItalic) != 0;
  format.bold = (flags & kBold) != 0;
}

// A paragraph's style lives in its mark: the first mark at or after the position.
Document::StyleId Document::ParagraphStyleIdAt(int32_t position) const {
  for (auto i = static_cast<std::size_t>(std::max(position, 0)); i < cells_.size(); ++i) {
    if (cells_[i].code == kParagraphMark) return cells_[i].paragraphStyle;
  }
  return lastParagraphStyle_;
}

void Document::SetParagraphStyleAt(int32_t position, StyleId style) {
  for (auto i = static_cast<std::size_t>(std::max(position, 0)); i < cells_.size(); ++i) {
    if (cells_[i].code == kParagraphMark) {
      cells_[i].paragraphStyle = style;
      return;
    }
  }
  lastParagraphStyle_ = style;
}

// ---- editing primitives ----

void Document::RaiseFull() const {
  std::u16string description = u"The document is full: it holds at most ";
  AppendInteger(description, maxLength_);
  description += u" characters.";
  throw AutomationError(1, std::move(description));
}

void Document::Insert(int32_t position, std::span<const Cell> cells) {
  CheckRoom(cells.size());
  cells_.insert(cells_.begin() + position, cells.data(), cells.data() + cells.size());
}

// Typed paragraph marks split the paragraph at the cursor: every part keeps its style.
void Document::InsertTyped(std::u16string_view text, const CharFormat& format) {
  const StyleId paragraphStyle = ParagraphStyleIdAt(cursor_);
  std::vector<Cell> cells;
  cells.reserve(text.size());
  for (const char16_t code : text) {
    cells.push_back(code == kParagraphMark ? Cell{code, 0, 0, paragraphStyle}
                                           : MakeCell(code, format));
  }
  Insert(cursor_, cells);
  cursor_ += static_cast<int32_t>(cells.size());
  CollapseSelection();
}

// Removing a mark joins two paragraphs; the joined one keeps the style of the mark that remains.
void Document::Erase(Range range) {
  cells_.erase(cells_.begin() + range.start, cells_.begin() + range.end);
}

template <class Change>
void Document::ChangeFormat(Range range, Change change) {
  for (int32_t i = range.start; i < range.end; ++i) change(cells_[i]);
}

int32_t Document::ScriptStateOf(Range range, uint8_t flag) const {
  int32_t set = 0;
  for (int32_t i = range.start; i < range.end; ++i) {
    if ((cells_[i].flags & flag) != 0) ++set;
  }
  if (set == 0) return kNoneSet;
  return set == range.end - range.start ? kWholeRangeSet : kMixed;
}

// ---- Executer operations ----

Variant Document::QueryValue(std::u16string_view value) const {
  if (value == kCursorPosition) return Variant(cursor_ - origin_);
  return Variant(value);
}

void Document::QueryValueText(std::u16string_view value, std::u16string& answer) const {
  if (value == kCursorPosition) {
    answer.clear();
    AppendInteger(answer, cursor_ - origin_);  // the text of the Long that QueryValue answers
  } else {
    answer.assign(value);
  }
}

void Document::SetSubscript(int32_t Index, int32_t Length, bool flag) {
  ChangeFormat(ScriptRange(Index, Length), [flag](Cell& cell) {
    cell.flags = flag ? (cell.flags | kSubscript) & ~kSuperscript : cell.flags & ~kSubscript;
  });
}

void Document::SetSuperscript(int32_t Index, int32_t Length, bool flag) {
  ChangeFormat(ScriptRange(Index, Length), [flag](Cell& cell) {
    cell.flags = flag ? (cell.flags | kSuperscript) & ~kSubscript : cell.flags & ~kSuperscript;
  });
}

bool Document::IsPlainDocument() const {
  return typeid(*this) == typeid(Document);
}

bool Document::QueryValueKeepsIntegers() const {
  return IsPlainDocument();
}

bool Document::SetScriptState(int32_t Index, int32_t Length, ScriptState state) {
  if (!IsPlainDocument()) return false;
  const uint8_t set = state == ScriptState::Subscript     ? kSubscript
                      : state == ScriptState::Superscript ? kSuperscript
                                                          : 0;
  ChangeFormat(ScriptRange(Index, Length), [set](Cell& cell) {
    cell.flags = static_cast<uint8_t>((cell.flags & ~(kSubscript | kSuperscript)) | set);
  });
  return true;
}

void Document::SetSmall(int32_t Index, int32_t Length) {
  ChangeFormat(ScriptRange(Index, Length), [](Cell& cell) { cell.flags |= kSmallCaps; });
}

void Document::SetStyle(int32_t Index, int32_t Length, std::u16string_view StyleName) {
  const Range range = ScriptRange(Index, Length);
  if (StyleName == u"Italic") {
    ChangeFormat(range, [](Cell& cell) { cell.flags |= kItalic; });
  } else if (StyleName == u"Bold") {
    ChangeFormat(range, [](Cell& cell) { cell.flags |= kBold; });
  } else {
    const StyleId style = InternStyle(StyleName);
    ChangeFormat(range, [style](Cell& cell) { cell.style = style; });
  }
}

void Document::ApplyStyle(std::u16string_view StyleName) {
  const StyleId style = InternStyle(StyleName);
  if (StyleName == kChemicalItalic || StyleName == kChemicalSmall) {
    ChangeFormat({selectionStart_, selectionEnd_}, [style](Cell& cell) { cell.style = style; });
    return;
  }
  // Every paragraph from the one holding the selection's start to the one holding its last
  // character; an empty selection touches the paragraph of the cursor.
  const int32_t last = selectionEnd_ > selectionStart_ ? selectionEnd_ - 1 : selectionStart_;
  for (int32_t i = selectionStart_; i < Size(); ++i) {
    if (cells_[i].code != kParagraphMark) continue;
    cells_[i].paragraphStyle = style;
    if (i >= last) return;
  }
  lastParagraphStyle_ = style;
}

void Document::ReplaceChar(int32_t Index, std::u16string_view Code) {
  const int32_t code = DoubleToLong(TextToDouble(Code));
  // A code unit as signed 16-bit text; the unsigned form is taken as well.
  if (code < std::numeric_limits<int16_t>::min() || code > std::numeric_limits<uint16_t>::max()) {
    throw errors::InvalidProcedureCall();
  }
  const int64_t position = static_cast<int64_t>(origin_) + Index;
  if (position < 0 || position >= Size()) return;
  Cell& cell = cells_[static_cast<std::size_t>(position)];
  const auto replacement = static_cast<char16_t>(code & 0xFFFF);
  if (replacement == kParagraphMark && cell.code != kParagraphMark) {
    cell.paragraphStyle = ParagraphStyleIdAt(static_cast<int32_t>(position));
  }
  cell.code = replacement;
}

void Document::TypeBackspace() {
  if (cursor_ > 0) {
    Erase({cursor_ - 1, cursor_});
    --cursor_;
  }
  CollapseSelection();
}

void Document::TypeParagraph() {
  const char16_t mark = kParagraphMark;
  InsertTyped(std::u16string_view(&mark, 1), {});
}

void Document::TypeText(std::u16string_view Text, std::u16string_view StyleName) {
  CharFormat format;
  if (StyleName == u"Italic") {
    format.italic = true;
  } else if (StyleName == u"Bold") {
    format.bold = true;
  } else {
    format.style = StyleName;
  }
  InsertTyped(Text, format);
}

void Document::MoveCursor(std::u16string_view Target) {
  if (Target == u"EndOfSelection") {
    cursor_ = selectionEnd_;
  } else if (Target == u"PrevChar") {
    cursor_ = std::max(cursor_ - 1, 0);
  } else if (Target == u"NextChar") {
    cursor_ = std::min(cursor_ + 1, Size());
  } else {
    double offset;
    try {
      offset = TextToDouble(Target);
    } catch (const AutomationError&) {
      throw errors::InvalidProcedureCall();
    }
    cursor_ = ClampPosition(static_cast<int64_t>(origin_) + DoubleToLong(offset));
  }
  CollapseSelection();
}

void Document::CopyText(int32_t Start, int32_t Length) {
  const Range range = ScriptRange(Start, Length);
  clipboard_.assign(cells_.begin() + range.start, cells_.begin() + range.end);
}

void Document::CutText(int32_t Start, int32_t Length) {
  const Range range = ScriptRange(Start, Length);
  clipboard_.assign(cells_.begin() + range.start, cells_.begin() + range.end);
  Erase(range);
  cursor_ = range.start;
  CollapseSelection();
}

// The clipboard stays for the next paste; it is never the document's own memory, so it is
// inserted as it is.
void Document::PasteText() {
  Insert(cursor_, clipboard_);
  cursor_ += static_cast<int32_t>(clipboard_.size());
  CollapseSelection();
}

void Document::DeleteText(int32_t Start, int32_t Length) {
  const Range range = ScriptRange(Start, Length);
  Erase(range);
  cursor_ = AfterRemoval(cursor_, range.start, range.end);
  selectionStart_ = AfterRemoval(selectionStart_, range.start, range.end);
  selectionEnd_ = AfterRemoval(selectionEnd_, range.start, range.end);
}

void Document::SelectRange(int32_t Start, int32_t Length) {
  const Range range = ScriptRange(Start, Length);
  selectionStart_ = cursor_ = range.start;
  selectionEnd_ = range.end;
}

int32_t Document::GetSubscript(int32_t Index, int32_t Length) const {
  return ScriptStateOf(ScriptRange(Index, Length), kSubscript);
}

int32_t Document::GetSuperscript(int32_t Index, int32_t Length) const {
  return ScriptStateOf(ScriptRange(Index, Length), kSuperscript);
}

// ---- the host's side ----

std::u16string Document::BeginQuery() {
  origin_ = selectionStart_;
  return SelectedText();
}

void Document::Select(int32_t absoluteStart, int32_t length) {
  const Range range = Clamp(absoluteStart, length);
  selectionStart_ = cursor_ = range.start;
  selectionEnd_ = range.end;
}

std::u16string Document::Text() const {
  std::u16string text;
  text.reserve(cells_.size());
  for (const Cell& cell : cells_) text.push_back(cell.code);
  return text;
}

std::u16string Document::SelectedText() const {
  const auto length = static_cast<std::size_t>(selectionEnd_ - selectionStart_);
  std::u16string text;
  // One code unit of room more: a query that takes the text over appends a blank to prepare its
  // scan, and then needs no larger block.
  text.reserve(length + 1);
  text.resize(length);
  char16_t* out = text.data();
  for (const Cell *cell = cells_.data() + selectionStart_, *end = cells_.data() + selectionEnd_;
       cell != end; ++cell) {
    *out++ = cell->code;
  }
  return text;
}

std::u16string Document::ClipboardText() const {
  std::u16string text;
  for (const Cell& cell : clipboard_) text.push_back(cell.code);
  return text;
}

CharFormat Document::FormatAt(int32_t position) const {
  return FormatOf(cells_.at(static_cast<std::size_t>(position)));
}

std::u16string Document::ParagraphStyleAt(int32_t position) const {
  return styles_[ParagraphStyleIdAt(position)];
}

std::vector<Paragraph> Document::Paragraphs() const {
  struct Collect {
    std::vector<Paragraph> paragraphs;
    void BeginParagraph(std::u16string_view style, bool ended) {
      paragraphs.push_back({std::u16string(style), {}, ended});
    }
    void Run(const glyphwright::Run& run) { paragraphs.back().runs.push_back(run); }
    void EndParagraph() {}
  } collect;
  VisitParagraphs(collect);
  return std::move(collect.paragraphs);
}

void Document::Append(std::u16string_view text, const CharFormat& format) {
  CheckRoom(text.size());
  if (text.empty()) return;
  // The format is the same for every character: its style is looked up once.
  const Cell formatted = MakeCell(0, format);
  const Cell mark{kParagraphMark, 0, 0, lastParagraphStyle_};
  Cell* out = cells_.Extend(text.size());
  for (const char16_t code : text) {
    if (code == kParagraphMark) {
      *out++ = mark;
    } else {
      *out = formatted;
      (out++)->code = code;
    }
  }
}

}  // namespace glyphwright
