// Every call ChemRDigitQuery makes on its FontListener, as the listener sees it through late
// binding: the names it looks up, the members it invokes, each argument's type and value, and
// the order of it all, over a table of texts and listener answers.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "automation/automation_error.h"
#include "automation/dispatch.h"
#include "chem/chem_r_digit_query.h"
#include "chem/chem_test_support.h"

namespace glyphwright {
namespace {

using testing::Lines;
using testing::U16;
using testing::U8;

// What the listener does when one of its members is invoked.
struct Reply {
  enum class Kind { WriteValue, ReturnResult, Raise, WriteIndex };
  Kind kind = Kind::WriteValue;
  Variant value;
};

Reply Writes(Variant value) {
  return {Reply::Kind::WriteValue, std::move(value)};
}
Reply Returns(Variant value) {
  return {Reply::Kind::ReturnResult, std::move(value)};
}
Reply Raises() {
  return {Reply::Kind::Raise, {}};
}
// Overwrites its Index argument and writes nothing into Value.
Reply ScribblesOnIndex() {
  return {Reply::Kind::WriteIndex, int32_t{99}};
}

std::string Describe(const Variant& value) {
  switch (value.GetType()) {
    case Variant::Type::Empty:
      return "Empty";
    case Variant::Type::Boolean:
      return "Boolean " + U8(value.ToText());
    case Variant::Type::Long:
      return "Long " + U8(value.ToText());
    case Variant::Type::Double:
      return "Double " + U8(value.ToText());
    case Variant::Type::String:
      return "String " + U8(value.ToText());
    case Variant::Type::Object:
      return "Object";
  }
  return "?";
}

std::string DescribeKind(InvokeKind kind) {
  switch (kind) {
    case InvokeKind::Method:
      return "Method";
    case InvokeKind::PropertyGet:
      return "PropertyGet";
    case InvokeKind::PropertyPut:
      return "PropertyPut";
    case InvokeKind::PropertyPutRef:
      return "PropertyPutRef";
  }
  return "?";
}

// A listener written straight against Dispatch, so nothing between the query and the log
// coerces or hides an argument. Each member answers from its list of replies in turn; the last
// reply repeats.
class RecordingListener : public Dispatch {
 public:
  std::map<std::string, std::vector<Reply>> replies;
  std::vector<std::string> log;

  DispId GetIDsOfNames(std::u16string_view name) override {
    log.push_back("GetIDsOfNames " + U8(name));
    const std::string key = U8(name);
    if (key == "GetSubscript" && replies.contains(key)) return 1;
    if (key == "GetSuperscript" && replies.contains(key)) return 2;
    return kUnknownDispId;
  }

  Variant Invoke(DispId id, InvokeKind kind, Arguments args) override {
    const std::string name = id == 1 ? "GetSubscript" : "GetSuperscript";
    std::string entry = "Invoke " + name + " " + DescribeKind(kind) + " (";
    for (std::size_t k = 0; k < args.size(); ++k) {
      entry += (k > 0 ? ", " : "") + Describe(*args[k]);
    }
    log.push_back(entry + ")");
    const Reply reply = NextReply(name);
    switch (reply.kind) {
      case Reply::Kind::WriteValue:
        *args[2] = reply.value;
        return {};
      case Reply::Kind::ReturnResult:
        return reply.value;
      case Reply::Kind::Raise:
        throw AutomationError(1004, u"The listener failed.");
      case Reply::Kind::WriteIndex:
        *args[0] = reply.value;
        return {};
    }
    return {};
  }

 private:
  Reply NextReply(const std::string& name) {
    const std::vector<Reply>& list = replies.at(name);
    const std::size_t k = calls_[name]++;
    return list[std::min(k, list.size() - 1)];
  }

  std::map<std::string, std::size_t> calls_;
};

// The two lines of one late-bound call: the name looked up, then the member invoked with Index,
// Length and Value, all three Longs.
std::vector<std::string> Asked(const std::string& member, int32_t index, int32_t length) {
  return {"GetIDsOfNames " + member, "Invoke " + member + " Method (Long " + std::to_string(index) +
                                         ", Long " + std::to_string(length) + ", Long 0)"};
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const std::vector<std::string> kNoCalls;

struct CallsCase {
  std::string name;
  std::string text;
  std::vector<Reply> subscript;    // empty: the listener has no GetSubscript
  std::vector<Reply> superscript;  // empty: the listener has no GetSuperscript
  std::vector<std::string> calls;
  // The script's lines; empty together with internalError for error 1.
  std::vector<std::string> script;
  bool internalError = false;
};

void PrintTo(const CallsCase& row, std::ostream* out) {
  *out << row.name;
}

class ListenerCalls : public ::testing::TestWithParam<CallsCase> {};

TEST_P(ListenerCalls, AreRecordedInOrder) {
  const CallsCase& c = GetParam();
  auto listener = std::make_shared<RecordingListener>();
  if (!c.subscript.empty()) listener->replies["GetSubscript"] = c.subscript;
  if (!c.superscript.empty()) listener->replies["GetSuperscript"] = c.superscript;
  ChemRDigitQuery query;
  query.SetFontListener(listener);
  if (c.internalError) {
    try {
      query.GetCommands(U16(c.text));
      ADD_FAILURE() << "no error";
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Number(), 1);
      EXPECT_EQ(error.Description(), u"Internal Error.");
    }
  } else {
    EXPECT_EQ(U8(query.GetCommands(U16(c.text))), Lines(c.script));
  }
  EXPECT_EQ(listener->log, c.calls);
}

const Variant kYes = int32_t{-1};
const Variant kNo = int32_t{0};

INSTANTIATE_TEST_SUITE_P(
    Table, ListenerCalls,
    ::testing::Values(
        CallsCase{"NoRunNoCall", "2 apples", {Writes(kNo)}, {Writes(kNo)}, kNoCalls, {}},
        CallsCase{"PlainAsksBothOnce",
                  "H2O",
                  {Writes(kNo)},
                  {Writes(kNo)},
                  Join({Asked("GetSubscript", 1, 1), Asked("GetSuperscript", 1, 1)}),
                  {"=1", "=1", "Subscript"}},
        CallsCase{"SubscriptStillAsksSuperscript",
                  "H2O2",
                  {Writes(kYes)},
                  {Writes(kNo)},
                  Join({Asked("GetSubscript", 1, 1), Asked("GetSuperscript", 1, 1)}),
                  {"=1", "=1", "Superscript", "=3", "=1", "Superscript"}},
        CallsCase{"SuperscriptOfARange",
                  "text1-3 and x2",
                  {Writes(kNo)},
                  {Writes(kYes)},
                  Join({Asked("GetSubscript", 4, 3), Asked("GetSuperscript", 4, 3)}),
                  {"=4", "=3", "NormalScript", "=13", "=1", "NormalScript"}},
        CallsCase{
            "AnswersAsResults",
            "C6H12O6",
            {Returns(kYes)},
            {Returns(kNo)},
            Join({Asked("GetSubscript", 1, 1), Asked("GetSuperscript", 1, 1)}),
            {"=1", "=1", "Superscript", "=3", "=2", "Superscript", "=6", "=1", "Superscript"}},
        CallsCase{"AnIndexWrittenBackIsNotPassedOn",
                  "H2",
                  {ScribblesOnIndex()},
                  {Writes(kYes)},
                  Join({Asked("GetSubscript", 1, 1), Asked("GetSuperscript", 1, 1)}),
                  {"=1", "=1", "NormalScript"}},
        CallsCase{"StringAnswers",
                  "H2",
                  {Writes(Variant(u"-1"))},
                  {Writes(Variant(u"0"))},
                  Join({Asked("GetSubscript", 1, 1), Asked("GetSuperscript", 1, 1)}),
                  {"=1", "=1", "Subscript"}},
        CallsCase{"FullWidthOffsets",
                  "\xEF\xBD\x98\xEF\xBD\x98\xEF\xBC\x91\xEF\xBC\x92",  // ｘｘ１２
                  {Writes(kNo)},
                  {Writes(kNo)},
                  Join({Asked("GetSubscript", 2, 2), Asked("GetSuperscript", 2, 2)}),
                  {"=2", "=2", "Subscript"}},
        CallsCase{"AFailedSubscriptIsAskedAgainInTheSameRun",
                  "H2O2",
                  {Raises(), Writes(kYes)},
                  {Writes(kNo)},
                  Join({Asked("GetSubscript", 1, 1), Asked("GetSubscript", 1, 1),
                        Asked("GetSuperscript", 1, 1)}),
                  {"=1", "=1", "Superscript", "=3", "=1", "Superscript"}},
        CallsCase{"AFailedSuperscriptAsksBothAgain",
                  "H2O2",
                  {Writes(kNo)},
                  {Raises(), Writes(kYes)},
                  Join({Asked("GetSubscript", 1, 1), Asked("GetSuperscript", 1, 1),
                        Asked("GetSubscript", 1, 1), Asked("GetSuperscript", 1, 1)}),
                  {"=1", "=1", "NormalScript", "=3", "=1", "NormalScript"}},
        CallsCase{"TwoFailuresInTheFirstRunLeaveItToTheSecond",
                  "H2O34",
                  {Raises(), Raises(), Writes(kNo)},
                  {Writes(kYes)},
                  Join({Asked("GetSubscript", 1, 1), Asked("GetSubscript", 1, 1),
                        Asked("GetSubscript", 3, 2), Asked("GetSuperscript", 3, 2)}),
                  {"=1", "=1", "NormalScript", "=3", "=2", "NormalScript"}},
        CallsCase{"AlwaysFailingIsAskedTwiceEachRun",
                  "H2O2",
                  {Raises()},
                  {Writes(kNo)},
                  Join({Asked("GetSubscript", 1, 1), Asked("GetSubscript", 1, 1),
                        Asked("GetSubscript", 3, 1), Asked("GetSubscript", 3, 1)}),
                  {},
                  true},
        CallsCase{"WithoutGetSuperscriptEachRunLooksItUpTwice",
                  "H2O2",
                  {Writes(kNo)},
                  {},
                  Join({Asked("GetSubscript", 1, 1),
                        {"GetIDsOfNames GetSuperscript"},
                        Asked("GetSubscript", 1, 1),
                        {"GetIDsOfNames GetSuperscript"},
                        Asked("GetSubscript", 3, 1),
                        {"GetIDsOfNames GetSuperscript"},
                        Asked("GetSubscript", 3, 1),
                        {"GetIDsOfNames GetSuperscript"}}),
                  {},
                  true},
        CallsCase{"WithoutGetSubscriptNothingIsInvoked",
                  "H2",
                  {},
                  {Writes(kNo)},
                  {"GetIDsOfNames GetSubscript", "GetIDsOfNames GetSubscript"},
                  {},
                  true}),
    [](const ::testing::TestParamInfo<CallsCase>& info) { return info.param.name; });

TEST(ListenerCalls, FarOffsetsArriveAsLongs) {
  auto listener = std::make_shared<RecordingListener>();
  listener->replies["GetSubscript"] = {Writes(kNo)};
  listener->replies["GetSuperscript"] = {Writes(kNo)};
  ChemRDigitQuery query;
  query.SetFontListener(listener);
  const std::string text = std::string(70000, 'x') + "123";
  EXPECT_EQ(U8(query.GetCommands(U16(text))), Lines({"=70000", "=3", "Subscript"}));
  EXPECT_EQ(listener->log,
            Join({Asked("GetSubscript", 70000, 3), Asked("GetSuperscript", 70000, 3)}));
}

// A listener that, while asked, puts another listener in its place: the calls of this text stay
// with the first; the next text asks the second.
TEST(ListenerCalls, AListenerReplacedWhileAskedStillAnswersThatText) {
  ChemRDigitQuery query;
  auto second = std::make_shared<RecordingListener>();
  second->replies["GetSubscript"] = {Writes(kNo)};
  second->replies["GetSuperscript"] = {Writes(kNo)};

  class Replacing : public RecordingListener {
   public:
    ChemRDigitQuery* query = nullptr;
    DispatchRef next;
    Variant Invoke(DispId id, InvokeKind kind, Arguments args) override {
      if (next) query->SetFontListener(std::exchange(next, nullptr));
      return RecordingListener::Invoke(id, kind, args);
    }
  };
  auto first = std::make_shared<Replacing>();
  first->replies["GetSubscript"] = {Writes(kYes)};
  first->replies["GetSuperscript"] = {Writes(kNo)};
  first->query = &query;
  first->next = second;
  query.SetFontListener(first);
  std::weak_ptr<RecordingListener> firstAlive = first;
  first.reset();  // the query holds the only reference

  EXPECT_EQ(U8(query.GetCommands(u"H2")), Lines({"=1", "=1", "Superscript"}));
  EXPECT_TRUE(firstAlive.expired());
  EXPECT_TRUE(second->log.empty());
  EXPECT_EQ(U8(query.GetCommands(u"H2")), Lines({"=1", "=1", "Subscript"}));
  EXPECT_EQ(second->log, Join({Asked("GetSubscript", 1, 1), Asked("GetSuperscript", 1, 1)}));
}

}  // namespace
}  // namespace glyphwright
