// CommandRunner.Run against a partial recording host: some operations missing, some failing.
// Invariants: with IgnoreError True, Run never raises; with IgnoreError False, what it raises is
// the host's own error or one of the run time's (6, 9, 13, 91, 438), and the calls it made are
// exactly the first calls that the IgnoreError True run makes (up to and including the failing
// one); a run without an error makes the same calls either way; no line makes more than three
// host calls.
#include <array>

#include "fuzz_support.h"
#include "script/command_runner.h"
#include "support/recording_executer.h"

using namespace glyphwright;
using namespace glyphwright::fuzz;
using glyphwright::testing::RecordingExecuter;

namespace {

constexpr std::size_t kOperations = std::size(RecordingExecuter::kOperations);

std::shared_ptr<RecordingExecuter> MakeHost(uint16_t present, uint16_t failing) {
  auto host = std::make_shared<RecordingExecuter>();
  for (std::size_t i = 0; i < kOperations; ++i) {
    if ((present >> i) & 1) host->supported.insert(RecordingExecuter::kOperations[i]);
    if ((failing >> i) & 1) {
      host->failures.emplace(
          RecordingExecuter::kOperations[i],
          AutomationError(1000 + static_cast<int32_t>(i), u"Host failure.", u"Host"));
    }
  }
  // Everything missing would mean everything present to the recorder: keep QueryValue then.
  if (host->supported.empty()) host->supported.insert(u"QueryValue");
  return host;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const uint16_t present = static_cast<uint16_t>(~(input.Byte() | (input.Byte() << 8)));
  const uint8_t failingByte = input.Byte();
  // Failures are rarer than missing operations: a byte picks at most one.
  const uint16_t failing = failingByte < 32 ? static_cast<uint16_t>(1u << (failingByte % 16)) : 0;
  const bool withoutExecuter = input.Byte() == 0xFF;
  const std::u16string script = input.RestText();

  const auto lenientHost = MakeHost(present, failing);
  CommandRunner lenient;
  if (!withoutExecuter) lenient.SetExecuter(lenientHost);
  lenient.SetIgnoreError(true);
  try {
    lenient.Run(script);
  } catch (...) {
    Fail("with IgnoreError nothing is raised");
  }

  std::size_t lines = 1;
  for (const char16_t code : script) lines += code == u'\n';
  Check(lenientHost->calls.size() <= 3 * lines, "at most three host calls a line");

  const auto strictHost = MakeHost(present, failing);
  CommandRunner strict;
  if (!withoutExecuter) strict.SetExecuter(strictHost);
  bool raised = false;
  try {
    strict.Run(script);
  } catch (const AutomationError& error) {
    raised = true;
    const int32_t number = error.Number();
    Check(number == 6 || number == 9 || number == 13 || number == 91 || number == 438 ||
              (number >= 1000 && error.Source() == u"Host"),
          "the host's error or the run time's", error.what());
  } catch (...) {
    Fail("only automation errors are raised");
  }
  const std::vector<std::string>& strictCalls = strictHost->calls;
  const std::vector<std::string>& lenientCalls = lenientHost->calls;
  if (raised) {
    Check(strictCalls.size() <= lenientCalls.size() &&
              std::equal(strictCalls.begin(), strictCalls.end(), lenientCalls.begin()),
          "a stopped run made the first calls of the run that goes on");
  } else {
    Check(strictCalls == lenientCalls, "without an error both runs make the same calls");
  }
  return 0;
}
