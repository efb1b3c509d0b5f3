#include <gtest/gtest.h>

#include "automation/automation_error.h"
#include "automation/dispatch.h"
#include "automation/variant.h"

namespace glyphwright {
namespace {

class Nothing : public Dispatch {
 public:
  DispId GetIDsOfNames(std::u16string_view) override { return kUnknownDispId; }
  Variant Invoke(DispId, InvokeKind, Arguments) override { return {}; }
};

int ErrorNumberOf(auto&& call) {
  try {
    call();
  } catch (const AutomationError& error) {
    return error.Number();
  }
  return 0;
}

TEST(VariantTest, TextFormsOfEveryType) {
  EXPECT_EQ(Variant().ToText(), u"");
  EXPECT_EQ(Variant(true).ToText(), u"True");
  EXPECT_EQ(Variant(false).ToText(), u"False");
  EXPECT_EQ(Variant(int32_t{-3}).ToText(), u"-3");
  EXPECT_EQ(Variant(92.0).ToText(), u"92");
  EXPECT_EQ(Variant(u"x").ToText(), u"x");
  EXPECT_EQ(ErrorNumberOf([] { Variant(std::make_shared<Nothing>()).ToText(); }), 13);
}

TEST(VariantTest, NumbersFromEveryType) {
  EXPECT_EQ(Variant().ToDouble(), 0);
  EXPECT_EQ(Variant(true).ToDouble(), -1);  // the automation True
  EXPECT_EQ(Variant(u" 2.5 ").ToDouble(), 2.5);
  EXPECT_EQ(Variant(u"2.5").ToLong(), 2);
  EXPECT_EQ(Variant(u"3.5").ToLong(), 4);
  EXPECT_EQ(Variant(true).ToLong(), -1);
  EXPECT_EQ(ErrorNumberOf([] { Variant(u"abc").ToLong(); }), 13);
  EXPECT_EQ(ErrorNumberOf([] { Variant(u"4e9").ToLong(); }), 6);
}

TEST(VariantTest, BooleansFromTextAndNumbers) {
  EXPECT_TRUE(Variant(u"true").ToBoolean());
  EXPECT_TRUE(Variant(u"TRUE").ToBoolean());
  EXPECT_FALSE(Variant(u"False").ToBoolean());
  EXPECT_TRUE(Variant(u"-1").ToBoolean());
  EXPECT_FALSE(Variant(int32_t{0}).ToBoolean());
  EXPECT_TRUE(Variant(0.5).ToBoolean());
  EXPECT_EQ(ErrorNumberOf([] { Variant(u"yes").ToBoolean(); }), 13);
}

// A number set into a Variant of any type leaves exactly that number, whatever it held.
TEST(VariantTest, SetDoubleReplacesEveryType) {
  for (Variant value : {Variant(), Variant(true), Variant(int32_t{7}), Variant(1.5), Variant(u"x"),
                        Variant(DispatchRef(std::make_shared<Nothing>()))}) {
    value.SetDouble(-2.5);
    EXPECT_EQ(value.GetType(), Variant::Type::Double);
    EXPECT_EQ(value, Variant(-2.5));
  }
}

TEST(VariantTest, ObjectsAndNothing) {
  const auto object = std::make_shared<Nothing>();
  EXPECT_EQ(Variant(DispatchRef(object)).ToObject(), object);
  EXPECT_EQ(Variant(DispatchRef()).ToObject(), nullptr);  // Nothing is an object reference
  EXPECT_EQ(ErrorNumberOf([] { Variant(u"x").ToObject(); }), 424);
  EXPECT_EQ(ErrorNumberOf([] { Variant().ToObject(); }), 424);
}

TEST(AutomationErrorTest, CarriesAllFiveFields) {
  const AutomationError error(1234, u"Boom \u03B4.", u"Host", u"help.chm", 42);
  EXPECT_EQ(error.Number(), 1234);
  EXPECT_EQ(error.Description(), u"Boom \u03B4.");
  EXPECT_EQ(error.Source(), u"Host");
  EXPECT_EQ(error.HelpFile(), u"help.chm");
  EXPECT_EQ(error.HelpContext(), 42);
  EXPECT_STREQ(error.what(), "Boom \u03B4.");
}

TEST(AutomationErrorTest, StandardErrorsKeepTheirNumbersAndTexts) {
  EXPECT_EQ(errors::SubscriptOutOfRange().Description(), u"Subscript out of range");
  EXPECT_EQ(errors::TypeMismatch().Number(), 13);
  EXPECT_EQ(errors::ObjectNotSet().Number(), 91);
  EXPECT_EQ(errors::ObjectNotSet().Description(),
            u"Object variable or With block variable not set");
  EXPECT_EQ(errors::NotSupported().Number(), 438);
  EXPECT_EQ(errors::NotSupported().Description(),
            u"Object doesn't support this property or method");
  EXPECT_EQ(errors::InternalError().Number(), 1);
  EXPECT_EQ(errors::InternalError().Description(), u"Internal Error.");
}

}  // namespace
}  // namespace glyphwright
