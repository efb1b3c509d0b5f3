// Glyphwright's side of the side-by-side benchmark.
//
//   peer_jobs CORPUS_DIR OUTPUT_DIR       the outputs, for the comparison of meaning
//   peer_jobs --time JOB CORPUS_DIR       items per second of one job, both ways
//   peer_jobs --scaling                   both NMR scripts' time per peak on long lists
//
// Each job reads CORPUS_DIR/<job>.txt (one item a line; \t, \r, \n and \\ escaped). Per item it
// makes the formatted output two ways: the query's command script alone (the formatting a host
// carries out, as a peer's TeX or HTML string is), and what a host ends with: the script run on a
// fresh reference document, the document rendered. The first form writes the renderings to
// OUTPUT_DIR/<job>.txt, escaped the same way. The second times both ways, each repeated for at
// least half a second after one pass to warm up, and prints "<scripts per second> <rendered items
// per second>"; the caller alternates it with the peer's timing, so that both sides of a ratio
// see the machine in the same mood. The third prints, for each NMR direction and each of 1,000,
// 10,000 and 100,000 peaks, "<job> <peaks> <nanoseconds per peak>": linear means flat.
#include <malloc.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chem/chem_formula_query.h"
#include "chem/ion_formula_query.h"
#include "document/document.h"
#include "document/renderers.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "script/command_runner.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

std::string Unescape(std::string_view line) {
  std::string text;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\' || i + 1 == line.size()) {
      text += line[i];
      continue;
    }
    const char next = line[++i];
    text += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : next;
  }
  return text;
}

std::string Escape(std::string_view text) {
  std::string line;
  for (const char c : text) {
    if (c == '\\')
      line += "\\\\";
    else if (c == '\t')
      line += "\\t";
    else if (c == '\r')
      line += "\\r";
    else if (c == '\n')
      line += "\\n";
    else
      line += c;
  }
  return line;
}

std::vector<std::u16string> ReadItems(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::u16string> items;
  for (std::string line; std::getline(in, line);) {
    items.push_back(*Utf8ToUtf16(Unescape(line)));
  }
  return items;
}

// One item: the query's script run on a fresh document of the item, then rendered.
using Job = std::function<std::u16string(const std::u16string&)>;

// The runner is the host's one, made once, as a macro keeps its runner; the document is new for
// every item.
template <class Query>
std::u16string Format(Query& query, CommandRunner& runner, const std::u16string& text,
                      std::u16string (*render)(const Document&)) {
  const auto document = std::make_shared<Document>(text);
  runner.SetExecuter(document);
  runner.RunOwned(query.GetCommands(document->BeginQuery()));  // the host's own script
  return render(*document);
}

// Items per second of one way of doing a job, repeated for at least half a second.
double ItemsPerSecond(const std::vector<std::u16string>& items, const Job& job) {
  using Clock = std::chrono::steady_clock;
  std::size_t done = 0, sink = 0;
  for (const std::u16string& item : items) sink += job(item).size();  // warm up
  const Clock::time_point start = Clock::now();
  Clock::duration elapsed{};
  while (elapsed < std::chrono::milliseconds(500)) {
    for (const std::u16string& item : items) sink += job(item).size();
    done += items.size();
    elapsed = Clock::now() - start;
  }
  if (sink == 0) std::fprintf(stderr, "peer_jobs: every output was empty\n");
  return static_cast<double>(done) / std::chrono::duration<double>(elapsed).count();
}

// '1H NMR (400 MHz, CDCl3) δ 7.26 (dd, J = 8.0, 2.0 Hz, 1H), ...' with n peaks, and the same
// peaks as a table, one row a paragraph.
std::u16string LongList(int64_t n) {
  std::u16string text = u"1H NMR (400 MHz, CDCl3) \u03B4 ";
  for (int64_t k = 0; k < n; ++k) {
    if (k > 0) text += u", ";
    text += k % 2 == 0 ? u"7.26 (dd, J = 8.0, 2.0 Hz, 1H)" : u"1.28 (t, J = 7.1 Hz, 3H)";
  }
  return text + u".";
}

std::u16string LongTable(int64_t n) {
  std::u16string text;
  for (int64_t k = 0; k < n; ++k) {
    if (k > 0) text += u"\r";
    text += k % 2 == 0 ? u"7.26\t1H\tdd\t8.0, 2.0" : u"1.28\t3H\tt\t7.1";
  }
  return text;
}

// The processor time of this (single-threaded) process: the machine is shared, and waiting for
// the processor would count as work in a clock on the wall (each first touch of fresh memory
// still counts).
double ProcessorSeconds() {
  return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Nanoseconds per peak of one script, repeated for at least 0.2 s after one call to warm up.
template <class Query>
double NanosecondsPerPeak(const Query& query, const std::u16string& text, int64_t peaks) {
  std::size_t sink = query.GetCommands(text).size();
  std::size_t calls = 0;
  const double start = ProcessorSeconds();
  double elapsed = 0;
  while (elapsed < 0.2) {
    sink += query.GetCommands(text).size();
    ++calls;
    elapsed = ProcessorSeconds() - start;
  }
  if (sink == 0) std::fprintf(stderr, "peer_jobs: every script was empty\n");
  return elapsed * 1e9 / (static_cast<double>(calls) * static_cast<double>(peaks));
}

int Scaling(const NMRSpecFormQuery& tableToList, const NMRSpecFormRQuery& listToTable) {
  // Repeated calls reuse the memory of the call before, but the allocator maps a block above
  // 32 MB afresh each time (100,000 peaks is a script of about 40 MB), and the first touch of
  // each of its pages costs more than the writing. Kept memory for every size compares the same
  // work at every size; what a first touch costs is the same per peak at every size anyway.
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  // The sizes take turns, three rounds, and each keeps its best: a busy moment of the machine
  // (a neighbour on the same core, its caches) only ever slows one down.
  constexpr int64_t kPeaks[] = {1000, 10000, 100000};
  std::array<double, 3> tableBest, listBest;
  tableBest.fill(1e300);
  listBest.fill(1e300);
  for (int round = 0; round < 3; ++round) {
    for (std::size_t k = 0; k < std::size(kPeaks); ++k) {
      tableBest[k] =
          std::min(tableBest[k], NanosecondsPerPeak(tableToList, LongTable(kPeaks[k]), kPeaks[k]));
      listBest[k] =
          std::min(listBest[k], NanosecondsPerPeak(listToTable, LongList(kPeaks[k]), kPeaks[k]));
    }
  }
  for (std::size_t k = 0; k < std::size(kPeaks); ++k) {
    std::printf("nmr-table-to-list %lld %.1f\n", static_cast<long long>(kPeaks[k]), tableBest[k]);
    std::printf("nmr-list-to-table %lld %.1f\n", static_cast<long long>(kPeaks[k]), listBest[k]);
  }
  return 0;
}

}  // namespace
}  // namespace glyphwright

int main(int argc, char** argv) {
  using namespace glyphwright;
  const bool timing = argc == 4 && std::string_view(argv[1]) == "--time";
  const bool scaling = argc == 2 && std::string_view(argv[1]) == "--scaling";
  if (argc != 3 && !timing && !scaling) {
    std::fprintf(stderr,
                 "usage: peer_jobs CORPUS_DIR OUTPUT_DIR\n"
                 "       peer_jobs --time JOB CORPUS_DIR\n"
                 "       peer_jobs --scaling\n");
    return 2;
  }

  ChemFormulaQuery formula;
  IonFormulaQuery ion;
  NMRSpecFormQuery tableToList;
  tableToList.SetJValueStyle(2);  // "J = 8.0, 2.0 Hz", as the peer writes it
  NMRSpecFormRQuery listToTable;
  listToTable.SetSpecFormat(u"d, J, 1H");  // the peer's order inside the parentheses
  if (scaling) return Scaling(tableToList, listToTable);
  CommandRunner runner;
  const std::pair<const char*, Job> jobs[] = {
      {"formula", [&](const std::u16string& t) { return Format(formula, runner, t, RenderHtml); }},
      {"ion", [&](const std::u16string& t) { return Format(ion, runner, t, RenderHtml); }},
      {"nmr-table-to-list",
       [&](const std::u16string& t) { return Format(tableToList, runner, t, RenderHtml); }},
      {"nmr-list-to-table",
       [&](const std::u16string& t) { return Format(listToTable, runner, t, RenderText); }},
  };
  const std::pair<const char*, Job> scripts[] = {
      {"formula", [&](const std::u16string& t) { return formula.GetCommands(t); }},
      {"ion", [&](const std::u16string& t) { return ion.GetCommands(t); }},
      {"nmr-table-to-list", [&](const std::u16string& t) { return tableToList.GetCommands(t); }},
      {"nmr-list-to-table", [&](const std::u16string& t) { return listToTable.GetCommands(t); }},
  };
  const std::filesystem::path corpus = timing ? argv[3] : argv[1];
  bool known = false;
  for (std::size_t j = 0; j < std::size(jobs); ++j) {
    const auto& [name, job] = jobs[j];
    if (timing && std::string_view(argv[2]) != name) continue;
    known = true;
    const std::vector<std::u16string> items = ReadItems(corpus / (std::string(name) + ".txt"));
    if (items.empty()) {
      std::fprintf(stderr, "peer_jobs: no items for %s\n", name);
      return 1;
    }
    if (timing) {
      const double scriptRate = ItemsPerSecond(items, scripts[j].second);
      const double renderedRate = ItemsPerSecond(items, job);
      std::printf("%.1f %.1f\n", scriptRate, renderedRate);
      continue;
    }
    const std::filesystem::path output = argv[2];
    std::filesystem::create_directories(output);
    std::ofstream out(output / (std::string(name) + ".txt"), std::ios::binary);
    for (const std::u16string& item : items) out << Escape(Utf16ToUtf8(job(item))) << '\n';
  }
  if (!known) {
    std::fprintf(stderr, "peer_jobs: no job named %s\n", argv[2]);
    return 2;
  }
  return 0;
}
