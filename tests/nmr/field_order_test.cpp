#include <gtest/gtest.h>

#include "automation/dispatch.h"
#include "nmr/field_order.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

struct Case {
  const char16_t* fmt;
  FieldArray fieldAtPosition;
  FieldArray positionOfField;
  const char16_t* text;
};

class ParseFieldOrderTest : public testing::TestWithParam<Case> {};

TEST_P(ParseFieldOrderTest, FillsBothArrays) {
  const Case& c = GetParam();
  const FieldOrder order = ParseFieldOrder(c.fmt);
  const FieldArray& fieldAtPosition = order.FieldAtPosition;
  const FieldArray& positionOfField = order.PositionOfField;
  EXPECT_EQ(fieldAtPosition, c.fieldAtPosition);
  EXPECT_EQ(positionOfField, c.positionOfField);
  EXPECT_EQ(Utf16ToUtf8(FieldOrderToText(fieldAtPosition)), Utf16ToUtf8(c.text));
}

constexpr FieldArray kDefault = {0, 1, 2, 3, 4};

INSTANTIATE_TEST_SUITE_P(
    Descriptors, ParseFieldOrderTest,
    testing::Values(Case{u"1H, d, J", kDefault, kDefault, u"1H, d, J"},
                    Case{u"J,1H,D", {0, 3, 1, 2, 4}, {0, 2, 3, 1, 4}, u"J, 1H, d"},
                    Case{u"  j ,  1h , d ", {0, 3, 1, 2, 4}, {0, 2, 3, 1, 4}, u"J, 1H, d"},
                    Case{u"d, J, 1H", {0, 2, 3, 1, 4}, {0, 3, 1, 2, 4}, u"d, J, 1H"},
                    // Anything but three known tokens is the whole default order, silently.
                    Case{u"", kDefault, kDefault, u"1H, d, J"},
                    Case{u"1H, d", kDefault, kDefault, u"1H, d, J"},
                    Case{u"1H, d, J, x", kDefault, kDefault, u"1H, d, J"},
                    Case{u"1H; d; J", kDefault, kDefault, u"1H, d, J"},
                    Case{u"J, d, X", kDefault, kDefault, u"1H, d, J"},
                    Case{u"J, d, 1 H", kDefault, kDefault, u"1H, d, J"},
                    Case{u"J, d, 2H", kDefault, kDefault, u"1H, d, J"},
                    Case{u"J, dd, 1H", kDefault, kDefault, u"1H, d, J"},
                    Case{u"J(HH), d, 1H", kDefault, kDefault, u"1H, d, J"},
                    Case{u"\uFF2A, d, 1H", kDefault, kDefault, u"1H, d, J"},  // not width-folded
                    Case{u"J\uFF0C d, 1H", kDefault, kDefault, u"1H, d, J"},
                    // A field named twice: the one left out has no position, the twice-named one
                    // keeps its later position.
                    Case{u"1H, 1H, J", {0, 1, 1, 3, 4}, {0, 2, -1, 3, 4}, u"1H, 1H, J"},
                    Case{u"d, d, d", {0, 2, 2, 2, 4}, {0, -1, 3, -1, 4}, u"d, d, d"}));

TEST(FieldOrderTest, TheDefaultOrderIsTheEmptyDescriptor) {
  const FieldOrder order;
  const FieldOrder parsed = ParseFieldOrder(u"");
  EXPECT_EQ(order.FieldAtPosition, parsed.FieldAtPosition);
  EXPECT_EQ(order.PositionOfField, parsed.PositionOfField);
}

template <class Query>
void ExpectFormatsThroughTheSurface() {
  Query query;
  EXPECT_EQ(query.SpecFormat(), u"1H, d, J");
  Variant fmt(u"J,1H,D");
  Variant* args[] = {&fmt};
  CallByName(query, u"SpecFormat", InvokeKind::PropertyPut, args);
  EXPECT_EQ(CallByName(query, u"specformat", InvokeKind::PropertyGet, {}), Variant(u"J, 1H, d"));
  // A put of TableFormat never changes what SpecFormat reads; TableFormat has no get.
  Variant table(u"d, J, 1H");
  Variant* tableArgs[] = {&table};
  CallByName(query, u"TableFormat", InvokeKind::PropertyPut, tableArgs);
  EXPECT_EQ(query.SpecFormat(), u"J, 1H, d");
  EXPECT_THROW(CallByName(query, u"TableFormat", InvokeKind::PropertyGet, {}), AutomationError);
  EXPECT_EQ(query.GetIDsOfNames(u"SpecFormat"), 0x68030001);
  EXPECT_EQ(query.GetIDsOfNames(u"TableFormat"), 0x68030000);
  EXPECT_EQ(query.GetIDsOfNames(u"GetCommands"), 0x60030002);
}

TEST(FieldOrderTest, BothQueriesKeepTheirOrders) {
  ExpectFormatsThroughTheSurface<NMRSpecFormQuery>();
  ExpectFormatsThroughTheSurface<NMRSpecFormRQuery>();
}

}  // namespace
}  // namespace glyphwright
