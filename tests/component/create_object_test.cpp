#include <gtest/gtest.h>

#include "component/class_registry.h"
#include "script/command_runner.h"

namespace glyphwright {
namespace {

void ExpectCannotCreate(std::u16string_view progId) {
  try {
    CreateObject(progId);
    ADD_FAILURE() << "created an object";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 429);
    EXPECT_EQ(error.Description(), u"ActiveX component can't create object");
  }
}

TEST(CreateObject, MakesEveryPublicClassByProgId) {
  for (const ClassInfo& info : PublicClasses()) {
    const DispatchRef first = CreateObject(info.ProgId());
    const DispatchRef second = CreateObject(info.ProgId());
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second) << "every call makes a new object";
  }
}

TEST(CreateObject, ProgIdsIgnoreCase) {
  const DispatchRef runner = CreateObject(u"gLYPHWRIGHT.commandrunner");
  EXPECT_NE(dynamic_cast<CommandRunner*>(runner.get()), nullptr);
}

TEST(CreateObject, UnknownProgIdsAreTheRunTimesCannotCreateError) {
  ExpectCannotCreate(u"");
  ExpectCannotCreate(u"Glyphwright.");
  ExpectCannotCreate(u"Glyphwright.NoSuchQuery");
  ExpectCannotCreate(u"CommandRunner");  // a class name alone is not a ProgID
  ExpectCannotCreate(u"Glyphwright.CommandRunner ");
  ExpectCannotCreate(u"Other.CommandRunner");
}

TEST(CreateObject, PrivateScannersCannotBeCreated) {
  for (const char16_t* progId :
       {u"Glyphwright.ChemSubscriptQuery", u"Glyphwright.ChemSuperscriptQuery",
        u"Glyphwright.TripleBondTransQuery", u"Glyphwright.ChemKeywordsQuery"}) {
    ExpectCannotCreate(progId);
    EXPECT_EQ(FindClass(progId), nullptr);
  }
}

}  // namespace
}  // namespace glyphwright
