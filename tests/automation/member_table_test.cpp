#include <gtest/gtest.h>

#include "automation/member_table.h"

namespace glyphwright {
namespace {

// A class with one member of every shape a table can hold.
class Sample : public TableDispatch<Sample> {
 public:
  static MemberTable Members();
  std::u16string name = u"start";
  int32_t lastV = 0;
  DispatchRef partner;

  const std::u16string& Name() const { return name; }
  void SetName(std::u16string_view value) { name = value; }
  void SetPartner(DispatchRef value) { partner = std::move(value); }
  int32_t SetSubscript(int32_t Index, int32_t Length, int32_t v) {
    lastV = v;
    return Index + Length;
  }
  void Double(Variant& Value) { Value = Variant(Value.ToLong() * 2); }
  int32_t Product(int32_t a, int32_t b) const noexcept { return a * b; }
  double Half(double value) const { return value / 2; }
  bool Not(bool value) { return !value; }
};

MemberTable Sample::Members() {
  static constexpr auto kMembers = Rows(
      Property<&Self::Name, &Self::SetName>(u"Name", 7), Put<&Self::SetPartner>(u"Partner", 8),
      Method<&Self::SetSubscript>(u"SetSubscript", 9, {u"Index", u"Length", Optional(u"v", -1)}),
      Method<&Self::Double>(u"Double", 10, {u"Value"}),
      ListenerMethod<&Self::Product>(u"Product", 11, {u"a", u"b", u"Answer"}),
      Method<&Self::Half>(u"Half", 12, {u"value"}), Method<&Self::Not>(u"Not", 13, {u"value"}));
  return kMembers;
}

int ErrorNumberOf(auto&& call) {
  try {
    call();
  } catch (const AutomationError& error) {
    return error.Number();
  }
  return 0;
}

Variant Call(Dispatch& object, std::u16string_view name, InvokeKind kind,
             std::vector<Variant> values) {
  std::vector<Variant*> pointers;
  for (Variant& value : values) pointers.push_back(&value);
  return CallByName(object, name, kind, pointers);
}

TEST(TableDispatchTest, NamesCompareIgnoringCase) {
  Sample sample;
  EXPECT_EQ(sample.GetIDsOfNames(u"setsubscript"), 9);
  EXPECT_EQ(sample.GetIDsOfNames(u"SETSUBSCRIPT"), 9);
  EXPECT_EQ(sample.GetIDsOfNames(u"SetSubscrip"), kUnknownDispId);
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, u"Nope", InvokeKind::Method, {}); }), 438);
}

TEST(TableDispatchTest, ArgumentsAreCoercedToTheDeclaredTypes) {
  Sample sample;
  EXPECT_EQ(Call(sample, u"SetSubscript", InvokeKind::Method, {u"3", 2.5, true}).ToLong(), 5);
  EXPECT_EQ(sample.lastV, -1);
  Call(sample, u"Name", InvokeKind::PropertyPut, {92.0});
  EXPECT_EQ(sample.name, u"92");
  EXPECT_EQ(ErrorNumberOf([&] {
              Call(sample, u"SetSubscript", InvokeKind::Method, {u"x", 1});
            }),
            13);
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, u"Partner", InvokeKind::PropertyPutRef, {u"x"}); }),
            424);
}

TEST(TableDispatchTest, OptionalArgumentsTakeTheirDefaultAndRequiredOnesAreChecked) {
  Sample sample;
  Call(sample, u"SetSubscript", InvokeKind::Method, {1, 2});
  EXPECT_EQ(sample.lastV, -1);
  Call(sample, u"SetSubscript", InvokeKind::Method, {1, 2, 0});
  EXPECT_EQ(sample.lastV, 0);
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, u"SetSubscript", InvokeKind::Method, {1}); }), 449);
  EXPECT_EQ(ErrorNumberOf([&] {
              Call(sample, u"SetSubscript", InvokeKind::Method, {1, 2, 3, 4});
            }),
            450);
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, u"Name", InvokeKind::PropertyPut, {}); }), 449);
}

TEST(TableDispatchTest, ByReferenceArgumentsAreWrittenBack) {
  Sample sample;
  Variant value(int32_t{21});
  Variant* args[] = {&value};
  CallByName(sample, u"Double", InvokeKind::Method, args);
  EXPECT_EQ(value.ToLong(), 42);
}

TEST(TableDispatchTest, KindsSelectTheAccessor) {
  Sample sample;
  EXPECT_EQ(Call(sample, u"Name", InvokeKind::PropertyGet, {}).ToText(), u"start");
  EXPECT_EQ(Call(sample, u"Name", InvokeKind::Method, {}).ToText(), u"start");  // a read either way
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, u"Partner", InvokeKind::PropertyGet, {}); }), 438);
  EXPECT_EQ(ErrorNumberOf([&] { Call(sample, u"Name", InvokeKind::PropertyPutRef, {u"x"}); }), 438);
  const auto partner = std::make_shared<Sample>();
  Call(sample, u"Partner", InvokeKind::PropertyPutRef, {DispatchRef(partner)});
  EXPECT_EQ(sample.partner, partner);  // the object itself, not a copy
}

TEST(MemberRowsTest, KindsAndTypesComeFromTheSignatures) {
  const MemberTable rows = Sample::Members();
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[0].kind, InvokeKind::PropertyGet);
  EXPECT_EQ(rows[0].type, ValueType::String);
  EXPECT_TRUE(rows[0].params().empty());
  EXPECT_EQ(rows[1].kind, InvokeKind::PropertyPut);
  ASSERT_EQ(rows[1].params().size(), 1u);
  EXPECT_EQ(rows[1].params()[0].name, u"RHS");
  EXPECT_EQ(rows[1].params()[0].type, ValueType::String);
  // An object is assigned by reference.
  EXPECT_EQ(rows[2].kind, InvokeKind::PropertyPutRef);
  EXPECT_EQ(rows[2].type, ValueType::Object);
  EXPECT_EQ(rows[3].type, ValueType::Long);
  ASSERT_EQ(rows[3].params().size(), 3u);
  EXPECT_FALSE(rows[3].params()[1].optional);
  EXPECT_TRUE(rows[3].params()[2].optional);
  EXPECT_EQ(rows[3].params()[2].defaultValue, -1);
  EXPECT_EQ(rows[4].type, ValueType::Void);
  EXPECT_TRUE(rows[4].params()[0].byRef);
  EXPECT_EQ(rows[4].params()[0].type, ValueType::Variant);
  // The listener's answer is its last parameter, a Long by reference; the call answers nothing.
  EXPECT_EQ(rows[5].type, ValueType::Void);
  ASSERT_EQ(rows[5].params().size(), 3u);
  EXPECT_FALSE(rows[5].params()[0].byRef);
  EXPECT_EQ(rows[5].params()[2].name, u"Answer");
  EXPECT_EQ(rows[5].params()[2].type, ValueType::Long);
  EXPECT_TRUE(rows[5].params()[2].byRef);
  EXPECT_EQ(rows[6].type, ValueType::Double);
  EXPECT_EQ(rows[6].params()[0].type, ValueType::Double);
  EXPECT_EQ(rows[7].type, ValueType::Boolean);
  EXPECT_EQ(rows[7].params()[0].type, ValueType::Boolean);
}

TEST(MemberRowsTest, AListenerMethodWritesItsAnswerIntoTheLastArgument) {
  Sample sample;
  Variant a(u"6");
  Variant b(7.0);
  Variant answer(int32_t{0});
  Variant* args[] = {&a, &b, &answer};
  EXPECT_TRUE(CallByName(sample, u"Product", InvokeKind::Method, args).IsEmpty());
  EXPECT_EQ(answer, Variant(int32_t{42}));
  EXPECT_EQ(a, Variant(u"6"));  // a value argument is converted in a copy
}

TEST(MemberRowsTest, ResultsKeepTheirTypes) {
  Sample sample;
  EXPECT_EQ(Call(sample, u"Half", InvokeKind::Method, {u"5"}), Variant(2.5));
  EXPECT_EQ(Call(sample, u"Not", InvokeKind::Method, {int32_t{0}}), Variant(true));
  EXPECT_EQ(Call(sample, u"SetSubscript", InvokeKind::Method, {1, 2}), Variant(int32_t{3}));
}

}  // namespace
}  // namespace glyphwright
