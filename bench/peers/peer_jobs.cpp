// Glyphwright's side of the side-by-side benchmark.
//
//   peer_jobs CORPUS_DIR OUTPUT_DIR       the outputs, for the comparison of meaning
//   peer_jobs --time JOB CORPUS_DIR       items per second of one job, both ways
//
// Each job reads CORPUS_DIR/<job>.txt (one item a line; \t, \r, \n and \\ escaped). Per item it
// makes the formatted output two ways: the query's command script alone (the formatting a host
// carries out, as a peer's TeX or HTML string is), and what a host ends with: the script run on a
// fresh reference document, the document rendered. The first form writes the renderings to
// OUTPUT_DIR/<job>.txt, escaped the same way. The second times both ways, each repeated for at
// least half a second after one pass to warm up, and prints "<scripts per second> <rendered items
// per second>"; the caller alternates it with the peer's timing, so that both sides of a ratio
// see the machine in the same mood.
#include <chrono>
#include <cstdio>
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

template <class Query>
std::u16string Format(Query& query, const std::u16string& text,
                      std::u16string (*render)(const Document&)) {
  const auto document = std::make_shared<Document>(text);
  CommandRunner runner;
  runner.SetExecuter(document);
  runner.Run(query.GetCommands(document->BeginQuery()));
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

}  // namespace
}  // namespace glyphwright

int main(int argc, char** argv) {
  using namespace glyphwright;
  const bool timing = argc == 4 && std::string_view(argv[1]) == "--time";
  if (argc != 3 && !timing) {
    std::fprintf(stderr,
                 "usage: peer_jobs CORPUS_DIR OUTPUT_DIR\n"
                 "       peer_jobs --time JOB CORPUS_DIR\n");
    return 2;
  }

  ChemFormulaQuery formula;
  IonFormulaQuery ion;
  NMRSpecFormQuery tableToList;
  tableToList.SetJValueStyle(2);  // "J = 8.0, 2.0 Hz", as the peer writes it
  NMRSpecFormRQuery listToTable;
  listToTable.SetSpecFormat(u"d, J, 1H");  // the peer's order inside the parentheses
  const std::pair<const char*, Job> jobs[] = {
      {"formula", [&](const std::u16string& t) { return Format(formula, t, RenderHtml); }},
      {"ion", [&](const std::u16string& t) { return Format(ion, t, RenderHtml); }},
      {"nmr-table-to-list",
       [&](const std::u16string& t) { return Format(tableToList, t, RenderHtml); }},
      {"nmr-list-to-table",
       [&](const std::u16string& t) { return Format(listToTable, t, RenderText); }},
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
