#include "prose/chem_text_query.h"

#include <gtest/gtest.h>

namespace glyphwright {
namespace {

TEST(ChemTextQueryTest, EmptyTextGivesEmptyScript) {
  EXPECT_EQ(ChemTextQuery().GetCommands(u""), u"");
}

}  // namespace
}  // namespace glyphwright
