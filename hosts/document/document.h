// The reference document: an in-memory rich-text document that a CommandRunner edits by name.
// It is the host of the command line, of the end-to-end tests and of the Python examples.
//
// The text is a flat sequence of characters, each with its CharFormat. A paragraph ends with a
// paragraph mark (CR, one character) that carries the paragraph's style; the last paragraph may
// lack a mark, and then the document keeps its style apart.
//
// Offsets in scripts count from the origin: the start of the selection as it was when the query
// read it, so text may lie before the selection. Every range is clamped to the document.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "automation/host_editing.h"
#include "automation/member_table.h"
#include "automation/variant.h"
#include "document/char_format.h"
#include "document/inline_vector.h"
#include "document/paragraph.h"
#include "document/style_names.h"

namespace glyphwright {

class Document : public TableDispatch<Document>, public HostEditing {
 public:
  static constexpr char16_t kParagraphMark = u'\r';
  // The answers of GetSubscript and GetSuperscript.
  static constexpr int32_t kWholeRangeSet = -1;
  static constexpr int32_t kNoneSet = 0;
  static constexpr int32_t kMixed = 9999999;
  // The most characters a document holds unless told otherwise: 128 Mi, 1 GiB of cells. An edit
  // that would make it longer raises error 1 and changes nothing, so a script that pastes the
  // document into itself again and again stops with an error instead of taking all memory.
  static constexpr int32_t kDefaultMaxLength = 1 << 27;

  static MemberTable Members();

  // The whole text selected, origin 0. A CR in the text is a paragraph mark.
  explicit Document(std::u16string_view text = {});
  // Text around the selection; the origin is the selection's start.
  Document(std::u16string_view before, std::u16string_view selection, std::u16string_view after);
  // Reads <sub>, <sup>, <i>, <b> and character entities (see html_reader.h).
  static Document FromHtml(std::u16string_view html);

  // Executer operations, called by name by the runner, or directly through HostEditing.
  // The value unchanged, except "$CursorPosition": the cursor's offset from the origin.
  Variant QueryValue(std::u16string_view value) const;
  // QueryValue's answer as text, as the runner stores it.
  void QueryValueText(std::u16string_view value, std::u16string& answer) const override;
  // Every value but "$CursorPosition" comes back as it went; a class derived from Document is
  // asked each value instead, so that a QueryValue of its own is heard.
  bool QueryValueKeepsIntegers() const override;
  // True sets the script state (and clears the other one), False clears it.
  void SetSubscript(int32_t Index, int32_t Length, bool flag) override;
  void SetSuperscript(int32_t Index, int32_t Length, bool flag) override;
  // Both script states cleared and one set in one pass; a class derived from Document is made
  // the three calls instead, so that it hears each.
  bool SetScriptState(int32_t Index, int32_t Length, ScriptState state) override;
  void SetSmall(int32_t Index, int32_t Length) override;
  // "Italic" and "Bold" set those; any other name becomes the characters' named style.
  void SetStyle(int32_t Index, int32_t Length, std::u16string_view StyleName) override;
  // The paragraph style of every paragraph the selection touches; the character styles
  // "Chemical Italic" and "Chemical Small" go to the selected characters instead.
  void ApplyStyle(std::u16string_view StyleName) override;
  // Code is a character code as signed 16-bit decimal text: "8801" or "-155".
  void ReplaceChar(int32_t Index, std::u16string_view Code) override;
  void TypeBackspace() override;
  void TypeParagraph() override;
  void TypeText(std::u16string_view Text, std::u16string_view StyleName) override;
  // "EndOfSelection", "PrevChar", "NextChar" or an offset from the origin.
  void MoveCursor(std::u16string_view Target) override;
  void CopyText(int32_t Start, int32_t Length) override;
  void CutText(int32_t Start, int32_t Length) override;
  void PasteText() override;
  void DeleteText(int32_t Start, int32_t Length) override;
  void SelectRange(int32_t Start, int32_t Length) override;

  // FontListener operations: kWholeRangeSet, kNoneSet or kMixed. An empty range is kNoneSet.
  int32_t GetSubscript(int32_t Index, int32_t Length) const;
  int32_t GetSuperscript(int32_t Index, int32_t Length) const;

  HostEditing* Editing() override { return this; }

  // The host's side. Positions here are absolute offsets into the whole document.
  // Makes the selection's start the origin for the next script; answers the selected text.
  // The text has room for one more code unit, so a query that takes it over prepares its scan in
  // the same block (see ChemFormulaQuery's GetCommands).
  std::u16string BeginQuery();
  // Selects a range of the document (clamped) and puts the cursor at its start.
  void Select(int32_t absoluteStart, int32_t length);

  int32_t Size() const { return static_cast<int32_t>(cells_.size()); }
  int32_t MaxLength() const { return maxLength_; }
  // Limits later growth; what the document holds already stays.
  void SetMaxLength(int32_t maxLength) { maxLength_ = maxLength; }
  int32_t Origin() const { return origin_; }
  int32_t Cursor() const { return cursor_; }
  int32_t SelectionStart() const { return selectionStart_; }
  int32_t SelectionLength() const { return selectionEnd_ - selectionStart_; }

  // The whole text, paragraph marks as CR.
  std::u16string Text() const;
  std::u16string SelectedText() const;
  std::u16string ClipboardText() const;
  CharFormat FormatAt(int32_t position) const;
  // The style of the paragraph that holds the character at position (or ends at it).
  std::u16string ParagraphStyleAt(int32_t position) const;
  // Every paragraph; an empty last paragraph without a mark is left out unless it is the only
  // one, as a word processor shows no line after a final paragraph mark.
  std::vector<Paragraph> Paragraphs() const;
  // A run's characters read where the document keeps them, valid only while the visitor that
  // is shown them runs.
  class RunCodes;
  // The same paragraphs walked without making them: for each, visitor.BeginParagraph(style,
  // ended), visitor.Run(run) for each of its runs, visitor.EndParagraph(). The run is one object
  // reused, so a renderer that writes each run as it comes needs the memory of one run, however
  // long the paragraph (text with LF and no CR is one paragraph). A visitor that has
  // RunInPlace(codes, format) is called with that instead of Run: it reads the characters in
  // place, and they are not copied into a run first. One that has BeginRun(format) and
  // Character(code) is shown each run's format and then its characters one by one, as the walk
  // reads them. One that has Codes(codes) is shown a paragraph's characters in stretches of
  // whole runs, and finds the runs' ends and formats itself (FormattedCodes), in a loop of its
  // own that keeps what it knows in registers.
  class FormattedCodes;
  template <class Visitor>
  void VisitParagraphs(Visitor& visitor) const;

  // Appends text at the end of the document, CR as a paragraph mark; for readers of other
  // formats. The selection and the origin stay where they are.
  void Append(std::u16string_view text, const CharFormat& format);

 private:
  using StyleId = StyleNames::Id;
  struct Cell {
    char16_t code;
    uint8_t flags;
    StyleId style;           // the named character style
    StyleId paragraphStyle;  // for a paragraph mark: the style of the paragraph it ends
  };
  struct Range {
    int32_t start;
    int32_t end;
  };

  // Every editing call clamps its range, most of them on a few characters: inline, so the call
  // is not dearer than the change.
  int32_t ClampPosition(int64_t absolute) const {
    return static_cast<int32_t>(absolute < 0 ? 0 : absolute > Size() ? Size() : absolute);
  }
  Range Clamp(int64_t absoluteStart, int64_t length) const {
    const int32_t start = ClampPosition(absoluteStart);
    return {start, length > 0 ? ClampPosition(absoluteStart + length) : start};
  }
  Range ScriptRange(int32_t Index, int32_t Length) const {
    return Clamp(static_cast<int64_t>(origin_) + Index, Length);
  }
  // Shortcuts that leave calls out are the reference document's own: a class derived from it
  // may hear or change any of them.
  bool IsPlainDocument() const;

  StyleId InternStyle(std::u16string_view name);
  Cell MakeCell(char16_t code, const CharFormat& format);
  CharFormat FormatOf(const Cell& cell) const;
  // FormatOf into an existing format, so that a reused run keeps its style's room.
  void AssignFormat(const Cell& cell, CharFormat& format) const;
  // The flags alone, for a format whose style is the cell's already.
  static void AssignFlags(uint8_t flags, CharFormat& format);
  StyleId ParagraphStyleIdAt(int32_t position) const;
  void SetParagraphStyleAt(int32_t position, StyleId style);

  // Raises error 1 when the document cannot take `added` more characters.
  void CheckRoom(std::size_t added) const {
    if (added > static_cast<std::size_t>(maxLength_) ||
        cells_.size() > static_cast<std::size_t>(maxLength_) - added) {
      RaiseFull();
    }
  }
  [[noreturn]] void RaiseFull() const;
  void Insert(int32_t position, std::span<const Cell> cells);
  void InsertTyped(std::u16string_view text, const CharFormat& format);
  void Erase(Range range);
  template <class Change>
  void ChangeFormat(Range range, Change change);
  int32_t ScriptStateOf(Range range, uint8_t flag) const;
  void CollapseSelection();

  // As many cells as a selection of a few words has, inside the document: a host that makes a
  // fresh document for every selection then needs no block for its text.
  static constexpr std::size_t kInlineCells = 32;
  InlineVector<Cell, kInlineCells> cells_;
  StyleNames styles_;               // StyleId 0 is "no style"
  StyleId lastParagraphStyle_ = 0;  // for a last paragraph without mark
  std::vector<Cell> clipboard_;
  int32_t maxLength_ = kDefaultMaxLength;
  int32_t origin_ = 0;
  int32_t cursor_ = 0;
  int32_t selectionStart_ = 0;
  int32_t selectionEnd_ = 0;
};

class Document::RunCodes {
 public:
  RunCodes(const Cell* first, std::size_t size) : first_(first), size_(size) {}
  std::size_t size() const { return size_; }
  char16_t operator[](std::size_t i) const { return first_[i].code; }

 private:
  const Cell* first_;
  std::size_t size_;
};

// A stretch of a paragraph's characters, whole runs, read where the document keeps them, with
// their formats; valid only while the visitor that is shown them runs.
class Document::FormattedCodes {
 public:
  // The format made last, reused from stretch to stretch.
  struct MadeFormat {
    CharFormat format;
    bool made = false;
    uint8_t flags = 0;
    StyleId style = 0;
  };

  FormattedCodes(const Document& document, const Cell* first, std::size_t size, MadeFormat& made)
      : document_(document), first_(first), size_(size), made_(made) {}

  std::size_t size() const { return size_; }
  char16_t operator[](std::size_t i) const { return first_[i].code; }
  // Equal for two characters of equal formats, different for any two that differ.
  uint32_t FormatKey(std::size_t i) const {
    return first_[i].flags | static_cast<uint32_t>(first_[i].style) << 8;
  }
  // The format of the character at i, made again only where the flags or style changed since
  // the last one asked for.
  const CharFormat& Format(std::size_t i) const {
    const Cell& cell = first_[i];
    if (!made_.made || cell.style != made_.style) {
      document_.AssignFormat(cell, made_.format);
    } else if (cell.flags != made_.flags) {
      AssignFlags(cell.flags, made_.format);
    }
    made_.made = true;
    made_.flags = cell.flags;
    made_.style = cell.style;
    return made_.format;
  }

 private:
  const Document& document_;
  const Cell* first_;
  std::size_t size_;
  MadeFormat& made_;
};

template <class Visitor>
void Document::VisitParagraphs(Visitor& visitor) const {
  constexpr bool kByStretch = requires(const FormattedCodes& codes) {
    visitor.Codes(codes);
  };
  constexpr bool kByCharacter = requires(const CharFormat& format, char16_t code) {
    visitor.BeginRun(format);
    visitor.Character(code);
  };
  constexpr bool kInPlace = requires(const RunCodes& codes, const CharFormat& format) {
    visitor.RunInPlace(codes, format);
  };
  Run run;  // its text and style keep their room from run to run
  FormattedCodes::MadeFormat madeFormat;
  // The run's format is made again only when a run's flags or style differ from the last one's:
  // formulas alternate between two or three formats, and the style is mostly the same.
  bool formatMade = false;
  uint8_t madeFlags = 0;
  StyleId madeStyle = 0;
  const auto formatOf = [&](const Cell& first) -> const CharFormat& {
    if (!formatMade || first.style != madeStyle) {
      AssignFormat(first, run.format);
    } else if (first.flags != madeFlags) {
      AssignFlags(first.flags, run.format);
    }
    formatMade = true;
    madeFlags = first.flags;
    madeStyle = first.style;
    return run.format;
  };
  bool visited = false;
  const std::size_t size = cells_.size();
  std::size_t i = 0;
  while (i < size || !visited) {
    // A paragraph's style lives in its mark, at its end.
    std::size_t mark = i;
    while (mark < size && cells_[mark].code != kParagraphMark) ++mark;
    const bool ended = mark < size;
    // A last paragraph without a mark shows when it has text, or when it is the only one.
    if (!ended && mark == i && visited) break;
    visitor.BeginParagraph(
        std::u16string_view(styles_[ended ? cells_[mark].paragraphStyle : lastParagraphStyle_]),
        ended);
    // Cells of equal flags and style have equal formats: a run is cut only where those change,
    // and at every paragraph mark.
    if constexpr (kByStretch) {
      // Stretches of some thousands of characters, so that a visitor that hands its text over in
      // pieces can between them, however long the paragraph. A stretch ends where a run ends,
      // and never inside a surrogate pair, which would keep a piece from ending there.
      constexpr std::size_t kStretch = 4096;
      while (i < mark) {
        std::size_t end = mark - i > kStretch ? i + kStretch : mark;
        while (end < mark && ((cells_[end].flags == cells_[end - 1].flags &&
                               cells_[end].style == cells_[end - 1].style) ||
                              (cells_[end - 1].code >= 0xD800 && cells_[end - 1].code <= 0xDBFF))) {
          ++end;
        }
        visitor.Codes(FormattedCodes(*this, &cells_[i], end - i, madeFormat));
        i = end;
      }
    } else if constexpr (kByCharacter) {
      for (const std::size_t start = i; i < mark; ++i) {
        const Cell& cell = cells_[i];
        if (i == start || cell.flags != madeFlags || cell.style != madeStyle) {
          visitor.BeginRun(formatOf(cell));
        }
        visitor.Character(cell.code);
      }
    } else {
      while (i < mark) {
        const Cell& first = cells_[i];
        std::size_t end = i + 1;
        while (end < mark && cells_[end].flags == first.flags && cells_[end].style == first.style) {
          ++end;
        }
        const CharFormat& format = formatOf(first);
        if constexpr (kInPlace) {
          visitor.RunInPlace(RunCodes(&first, end - i), format);
        } else {
          run.text.resize(end - i);
          for (std::size_t k = i; k < end; ++k) run.text[k - i] = cells_[k].code;
          visitor.Run(static_cast<const Run&>(run));
        }
        i = end;
      }
    }
    visitor.EndParagraph();
    visited = true;
    if (ended) ++i;
  }
}

}  // namespace glyphwright
