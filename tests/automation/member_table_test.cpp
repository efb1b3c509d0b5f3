#include <gtest/gtest.h>

#include "automation/member_table.h"

namespace glyphwright {
namespace {

// A class with one member of every shape a table can hold.
class Sample : public TableDispatch<Sample> {
 public:
  static std::span<const MemberInfo<Sample>> Members();
  std::u16string name = u"start";
  int32_t lastV = 0;
  DispatchRef partner;
};

constexpr ParamInfo kStringValue[] = {{u"RHS", ValueType::String}};
constexpr ParamInfo kObjectValue[] = {{u"RHS", ValueType::Object}};
constexpr ParamInfo kSetParams[] = {{u"Index", ValueType::Long},
                                    {u"Length", ValueType::Long},
                                    {u"v", ValueType::Long, false, true, -1}};
constexpr ParamInfo kDoubleParams[] = {{u"Value", ValueType::Long, true}};

const MemberInfo<Sample> kSampleMembers[] = {
    {u"Name",
     InvokeKind::PropertyGet,
     7,
     ValueType::String,
     {},
     [](Sample& self, Arguments) { return Variant(self.name); }},
    {u"Name", InvokeKind::PropertyPut, 7, ValueType::String, kStringValue,
     [](Sample& self, Arguments args) {
       self.name = *args[0]->AsString();
       return Variant();
     }},
    {u"Partner", InvokeKind::PropertyPutRef, 8, ValueType::Object, kObjectValue,
     [](Sample& self, Arguments args) {
       self.partner = args[0]->ToObject();
       return Variant();
     }},
    {u"SetSubscript", InvokeKind::Method, 9, ValueType::Void, kSetParams,
     [](Sample& self, Arguments args) {
       self.lastV = args[2]->ToLong();
       return Variant(args[0]->ToLong() + args[1]->ToLong());
     }},
    {u"Double", InvokeKind::Method, 10, ValueType::Void, kDoubleParams,
     [](Sample&, Arguments args) {
       *args[0] = Variant(args[0]->ToLong() * 2);
       return Variant();
     }},
};

std::span<const MemberInfo<Sample>> Sample::Members() {
  return kSampleMembers;
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

}  // namespace
}  // namespace glyphwright
