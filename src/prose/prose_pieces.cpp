#include "prose/prose_pieces.h"
#include "text/char_class.h"

#include <cstddef>
#include <cstdint>

namespace glyphwright::prose {
namespace {

constexpr bool IsBlank(char16_t c) {
  return c <= u' ' || c == u'\u00A0' || (c >= u'\u2000' && c <= u'\u200B') || c == u'\u202F' ||
         c == u'\u3000';
}

// Characters that part two pieces within a run: Pd/C, Fe3O4@SiO2, Ni–H, A→B, a;b.
constexpr bool IsPartition(char16_t c) {
  return c == u'/' || c == u'@' || c == u';' || c == u'\u2013' || c == u'\u2014' ||
         c == u'\u2212' || (c >= u'\u2190' && c <= u'\u21FF') || c == u'"' || c == u'\u201C' ||
         c == u'\u201D';
}

char16_t OpeningOf(char16_t c) {
  return c == u')' ? u'(' : c == u']' ? u'[' : u'{';
}

// Marks that end a clause or a sentence and never a formula or a name.
bool IsTrailingMark(char16_t c) {
  return c == u'.' || c == u',' || c == u':' || c == u'!' || c == u'?' || c == u'\u2018' ||
         c == u'\u2019' || c == u'\'';
}
bool IsLeadingMark(char16_t c) {
  return c == u'\'' || c == u'\u2018' || c == u'\u2019';
}

// How far the brackets of kind `opening` in text[start, end) are from balancing: positive when
// more open than close.
int Balance(std::u16string_view text, std::size_t start, std::size_t end, char16_t opening) {
  int balance = 0;
  for (std::size_t i = start; i < end; ++i) {
    if (text[i] == opening)
      ++balance;
    else if (IsClosingBracket(text[i]) && OpeningOf(text[i]) == opening)
      --balance;
  }
  return balance;
}

// Whether text[start, end) opens with a bracket whose partner is its last character.
bool IsWrapped(std::u16string_view text, std::size_t start, std::size_t end) {
  if (end - start < 2 || !IsOpeningBracket(text[start]) || !IsClosingBracket(text[end - 1]) ||
      OpeningOf(text[end - 1]) != text[start])
    return false;
  int depth = 0;
  for (std::size_t i = start; i < end; ++i) {
    if (IsOpeningBracket(text[i]))
      ++depth;
    else if (IsClosingBracket(text[i]))
      --depth;
    if (depth == 0 && i + 1 < end) return false;
  }
  return true;
}

void Trim(std::u16string_view text, std::size_t& start, std::size_t& end) {
  for (bool changed = true; changed && start < end;) {
    changed = false;
    // A possessive 's is English, not a prefix s: Jacobsen's catalyst.
    if (end - start > 2 && text[end - 1] == u's' && text[end - 2] == u'\'') {
      end -= 2;
      changed = true;
      continue;
    }
    const char16_t first = text[start];
    const char16_t last = text[end - 1];
    if (IsTrailingMark(last)) {
      --end;
      changed = true;
    } else if (IsLeadingMark(first)) {
      ++start;
      changed = true;
    } else if (IsWrapped(text, start, end)) {
      ++start;
      --end;
      changed = true;
    } else if (IsOpeningBracket(first) && Balance(text, start, end, first) > 0) {
      ++start;
      changed = true;
    } else if (IsClosingBracket(last) && Balance(text, start, end, OpeningOf(last)) < 0) {
      --end;
      changed = true;
    }
  }
}

void AddPiece(std::u16string_view text, std::size_t start, std::size_t end,
              std::vector<TextRange>& pieces) {
  Trim(text, start, end);
  if (start < end) {
    pieces.push_back({static_cast<int32_t>(start), static_cast<int32_t>(end - start)});
  }
}

// Whether a piece ends before c, for the characters below U+0100 looked up in a table: letters
// and digits, most of any text, never end one.
struct PieceEnds {
  bool ends[0x100] = {};
};

constexpr PieceEnds MakePieceEnds() {
  PieceEnds table;
  for (char16_t c = 0; c < 0x100; ++c) table.ends[c] = IsBlank(c) || IsPartition(c);
  return table;
}
constexpr PieceEnds kPieceEnds = MakePieceEnds();

bool EndsPiece(char16_t c) {
  return c < 0x100 ? kPieceEnds.ends[c] : IsBlank(c) || IsPartition(c);
}

}  // namespace

void CutIntoPieces(std::u16string_view text, std::vector<TextRange>& pieces) {
  const std::size_t n = text.size();
  // Words of running text average five or six letters: room for them all, grown once at most.
  pieces.reserve(pieces.size() + n / 5 + 1);
  std::size_t i = 0;
  while (i < n) {
    while (i < n && EndsPiece(text[i])) ++i;
    std::size_t j = i;
    while (j < n && !EndsPiece(text[j])) ++j;
    if (j > i) AddPiece(text, i, j, pieces);
    i = j;
  }
}

}  // namespace glyphwright::prose
