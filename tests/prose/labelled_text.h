// Text with its expected formatting written inline, the form of the prose corpus:
//   _{..} subscript   ^{..} superscript   *{..} italic   !{..} bold   ~{..} small capitals
//   %{#} a character the script replaces (the triple-bond sign)
// 'SO_{4}^{2-} and *{N},*{N}-dimethylformamide' is the text 'SO42- and N,N-dimethylformamide'
// with 4 subscript, 2- superscript and both N italic. Marks do not nest; a brace that follows no
// mark is text, as in '^{13}C{^{1}H} NMR'.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphwright::testing {

enum Mark : uint8_t {
  kSubscript = 1,
  kSuperscript = 2,
  kItalic = 4,
  kBold = 8,
  kSmall = 16,
  kReplaced = 32,
};
inline constexpr uint8_t kAllMarks[] = {kSubscript, kSuperscript, kItalic,
                                        kBold,      kSmall,       kReplaced};

struct LabelledText {
  std::u16string text;
  std::vector<uint8_t> marks;  // one set of marks a code unit of text
};

// The text and its marks; nullopt for a mark that is not closed or an unknown one.
std::optional<LabelledText> ParseLabelled(std::u16string_view line);

// The same markup written back from a text and marks, one mark at a time for each run.
std::u16string WriteLabelled(std::u16string_view text, const std::vector<uint8_t>& marks);

}  // namespace glyphwright::testing
