// The prefix-file reader: the bytes of a "prefixes.txt", read as a file from a user folder.
// Invariants: the list holds no line end; no keyword line starts or ends with a blank; a file
// read through LoadKeywordList gives the list its bytes give; formula and name queries work
// with whatever list it is (their units still lie inside the text).
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "chem/chem_keywords_query.h"
#include "chem/keyword_file.h"
#include "chem/prefix_list.h"
#include "fuzz_support.h"
#include "text/lib.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;

namespace {

// A user folder of our own, with the file in its place.
class OneFolder : public FolderLookup {
 public:
  OneFolder() {
    std::string pattern = "/tmp/glyphwright-fuzz-prefixes-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    root_ = pattern;
    std::filesystem::create_directories(root_ / "Mirandel" / "Glyphwright");
  }
  ~OneFolder() override {
    std::error_code error;
    std::filesystem::remove_all(root_, error);
  }
  std::filesystem::path UserDataFolder() const override { return root_; }
  std::filesystem::path CommonDataFolder() const override { return root_ / "none"; }
  std::filesystem::path ComponentFolder() const override { return root_ / "none"; }
  void Write(std::string_view bytes) const {
    std::ofstream file(root_ / "Mirandel" / "Glyphwright" / "prefixes.txt",
                       std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

 private:
  std::filesystem::path root_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string list = ParseKeywordFile(bytes);
  Check(list.find(u'\n') == std::u16string::npos, "no line end in the list", U8(list));
  Check(list.empty() || (list.front() != u' ' && list.back() != u' ' && list.front() != u'\u3000' &&
                         list.back() != u'\u3000'),
        "the blanks around a line are gone", U8(list));

  static const OneFolder folder;
  folder.Write(bytes);
  const std::u16string loaded = LoadKeywordList(u"prefixes.txt", u"default", folder);
  Check(loaded == list, "the file reads as its bytes", U8(loaded) + "\n" + U8(list));

  // The list at work: whatever it holds, its units lie inside the text.
  ChemKeywordsQuery query;
  query.SetKeywords(list);
  const std::u16string text = u"cis-trans t-BuOH " + list;
  CodeArray chars;
  StringToChars(text + u" ", chars);
  const std::optional<std::vector<Unit>> units = ReadUnits(query.GetCommands(chars));
  Check(units.has_value(), "the keyword script is made of units");
  for (const Unit& unit : *units) CheckRangeInside(unit, text.size(), u"keywords");
  return 0;
}
