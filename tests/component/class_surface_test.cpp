// Every registered class against the published class surface: names, interfaces, ProgIDs,
// member order, kinds, types, parameters and dispatch identifiers, written out here in full.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "component/class_registry.h"
#include "component/library_info.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

using K = InvokeKind;
using T = ValueType;

struct Param {
  std::u16string name;
  ValueType type;
  bool optional = false;
  int32_t defaultValue = 0;
};

struct Row {
  std::u16string member;
  InvokeKind kind;
  ValueType type;
  std::vector<Param> params;
  DispId id;
};

struct ExpectedClass {
  std::u16string name;
  std::vector<Row> rows;
};

const std::vector<Param> kText = {{u"Text", T::String}};

std::vector<Row> Property(std::u16string name, ValueType type, DispId id,
                          std::initializer_list<InvokeKind> kinds, std::u16string value = u"RHS") {
  std::vector<Row> rows;
  for (InvokeKind kind : kinds) {
    std::vector<Param> params;
    if (kind != K::PropertyGet) params.push_back({value, type});
    rows.push_back({name, kind, type, params, id});
  }
  return rows;
}

std::vector<Row> Join(std::initializer_list<std::vector<Row>> parts) {
  std::vector<Row> rows;
  for (const auto& part : parts) rows.insert(rows.end(), part.begin(), part.end());
  return rows;
}

Row GetCommands(DispId id) {
  return {u"GetCommands", K::Method, T::String, kText, id};
}

const std::vector<ExpectedClass>& Surface() {
  static const std::vector<ExpectedClass> surface = {
      {u"CommandRunner",
       Join({Property(u"Executer", T::Object, 0x40030000, {K::PropertyGet, K::PropertyPutRef}),
             Property(u"IgnoreError", T::Boolean, 0x40030001, {K::PropertyGet, K::PropertyPut}),
             {{u"Run", K::Method, T::Void, {{u"Commands", T::String}}, 0x60030004}}})},
      {u"ChemFormulaQuery",
       Join({Property(u"ItalicCommand", T::String, 0x40030003, {K::PropertyGet, K::PropertyPut}),
             {GetCommands(0x60030000)}})},
      {u"IonFormulaQuery", {GetCommands(0x60030000)}},
      {u"ChemRDigitQuery",
       Join({Property(u"FontListener", T::Object, 0x40030002, {K::PropertyGet, K::PropertyPutRef}),
             {{u"QueryValue", K::Method, T::String, {{u"x", T::String}}, 0x60030000},
              {u"SetSubscript",
               K::Method,
               T::Void,
               {{u"Index", T::Long}, {u"Length", T::Long}, {u"v", T::Long, true, -1}},
               0x60030001},
              GetCommands(0x60030002)}})},
      {u"ChemNameQuery",
       Join({Property(u"ItalicCommand", T::String, 0x40030004, {K::PropertyGet, K::PropertyPut}),
             Property(u"SmallCommand", T::String, 0x40030005, {K::PropertyGet, K::PropertyPut}),
             {GetCommands(0x60030000)}})},
      {u"JournalQuery", {GetCommands(0x60030000)}},
      {u"NMRSpecFormQuery",
       Join({Property(u"JValueStyle", T::Long, 0x40030004, {K::PropertyGet, K::PropertyPut}),
             Property(u"SpecFormat", T::String, 0x68030001, {K::PropertyPut, K::PropertyGet},
                      u"fmt"),
             Property(u"TableFormat", T::String, 0x68030000, {K::PropertyPut}, u"fmt"),
             {GetCommands(0x60030002)}})},
      {u"NMRSpecFormRQuery",
       Join({Property(u"Strict", T::Boolean, 0x4003000A, {K::PropertyGet, K::PropertyPut}),
             Property(u"SpecFormat", T::String, 0x68030001, {K::PropertyPut, K::PropertyGet},
                      u"fmt"),
             Property(u"TableFormat", T::String, 0x68030000, {K::PropertyPut}, u"fmt"),
             {GetCommands(0x60030002)}})},
      {u"CharacterisationQuery",
       Join({Property(u"ItalicCommand", T::String, 0x40030000, {K::PropertyGet, K::PropertyPut}),
             {GetCommands(0x60030000),
              {u"CheckCharacterisation", K::Method, T::String, kText, 0x60030001}}})},
      {u"NMRStyleQuery",
       Join({Property(u"Style", T::String, 0x68030000, {K::PropertyGet, K::PropertyPut}),
             Property(u"Sort", T::String, 0x68030001, {K::PropertyGet, K::PropertyPut}),
             Property(u"ShiftDecimals", T::Long, 0x68030002, {K::PropertyGet, K::PropertyPut}),
             Property(u"CouplingDecimals", T::Long, 0x68030003, {K::PropertyGet, K::PropertyPut}),
             {GetCommands(0x60030004),
              {u"ExplainPeakList",
               K::Method,
               T::String,
               {{u"Text", T::String}, {u"SpecFormat", T::String}, {u"Strict", T::Boolean}},
               0x60030005}}})},
      {u"ChemTextQuery",
       Join({Property(u"ItalicCommand", T::String, 0x40030000, {K::PropertyGet, K::PropertyPut}),
             Property(u"SmallCommand", T::String, 0x40030001, {K::PropertyGet, K::PropertyPut}),
             Property(u"FontListener", T::Object, 0x40030002, {K::PropertyGet, K::PropertyPutRef}),
             {GetCommands(0x60030000)}})},
  };
  return surface;
}

std::string Utf8(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

const ExpectedClass* Expected(std::u16string_view name) {
  for (const ExpectedClass& expected : Surface()) {
    if (expected.name == name) return &expected;
  }
  return nullptr;
}

TEST(ClassSurface, LibraryIdentity) {
  EXPECT_EQ(kLibrary.name, u"Glyphwright");
  EXPECT_EQ(kLibrary.helpString, u"Glyphwright 1.4");
  EXPECT_EQ(kLibrary.majorVersion, 1);
  EXPECT_EQ(kLibrary.minorVersion, 1);
  EXPECT_EQ(kLibrary.locale, 1033u);
  EXPECT_EQ(Utf8(GuidToText(kLibrary.libid)), "{713744B1-27D2-4462-BF8E-E957376FBE6C}");
}

TEST(ClassSurface, EveryPublicClassIsRegisteredInOrder) {
  ASSERT_EQ(PublicClasses().size(), Surface().size());
  for (std::size_t i = 0; i < Surface().size(); ++i) {
    EXPECT_EQ(PublicClasses()[i].name, Surface()[i].name);
  }
}

TEST(ClassSurface, OnlyPublicClassesAreRegisteredInOrder) {
  std::size_t previous = 0;
  for (const ClassInfo& info : PublicClasses()) {
    const ExpectedClass* expected = Expected(info.name);
    ASSERT_NE(expected, nullptr) << Utf8(info.name) << " is not a public class";
    const auto position = static_cast<std::size_t>(expected - Surface().data());
    EXPECT_GE(position, previous) << Utf8(info.name) << " is out of registration order";
    previous = position;
  }
}

TEST(ClassSurface, NamesAndProgIds) {
  for (const ClassInfo& info : PublicClasses()) {
    SCOPED_TRACE(Utf8(info.name));
    EXPECT_EQ(info.ProgId(), u"Glyphwright." + std::u16string(info.name));
    EXPECT_EQ(info.InterfaceName(), u"_" + std::u16string(info.name));
    EXPECT_EQ(FindClass(info.ProgId()), &info);
    EXPECT_EQ(FindClass(info.name), &info);
  }
}

// The command line's names of the queries, in registration order; the runner is no query.
TEST(ClassSurface, EveryQueryHasItsShortNameAndTheRunnerNone) {
  const std::vector<std::pair<std::u16string_view, std::u16string_view>> expected = {
      {u"CommandRunner", u""},
      {u"ChemFormulaQuery", u"formula"},
      {u"IonFormulaQuery", u"ion"},
      {u"ChemRDigitQuery", u"digits"},
      {u"ChemNameQuery", u"name"},
      {u"JournalQuery", u"journal"},
      {u"NMRSpecFormQuery", u"nmr-list"},
      {u"NMRSpecFormRQuery", u"nmr-table"},
      {u"CharacterisationQuery", u"data"},
      {u"NMRStyleQuery", u"nmr-style"},
      {u"ChemTextQuery", u"text"}};
  std::vector<std::pair<std::u16string_view, std::u16string_view>> registered;
  for (const ClassInfo& info : PublicClasses()) registered.emplace_back(info.name, info.shortName);
  EXPECT_EQ(registered, expected);
}

// An object is an instance of the class that made it and of no other.
TEST(ClassSurface, ObjectsKnowTheirClass) {
  for (const ClassInfo& maker : PublicClasses()) {
    const DispatchRef object = maker.create();
    for (const ClassInfo& info : PublicClasses()) {
      EXPECT_EQ(info.isInstance(*object), &info == &maker)
          << Utf8(maker.name) << " as " << Utf8(info.name);
    }
  }
}

TEST(ClassSurface, EveryIdentifierIsDistinct) {
  std::set<std::u16string> seen = {GuidToText(kLibrary.libid), GuidToText(kIidUnknown),
                                   GuidToText(kIidDispatch)};
  for (const ClassInfo& info : PublicClasses()) {
    EXPECT_TRUE(seen.insert(GuidToText(info.clsid)).second) << Utf8(info.name);
    EXPECT_TRUE(seen.insert(GuidToText(info.interfaceId)).second) << Utf8(info.name);
    for (const InterfaceInfo& alias : info.aliases) {
      EXPECT_TRUE(seen.insert(GuidToText(alias.iid)).second) << Utf8(alias.name);
    }
  }
}

TEST(ClassSurface, OnlyTheNmrTableQueryHasAnAliasInterface) {
  for (const ClassInfo& info : PublicClasses()) {
    SCOPED_TRACE(Utf8(info.name));
    EXPECT_TRUE(AnswersTo(info, info.interfaceId));
    EXPECT_TRUE(AnswersTo(info, kIidDispatch));
    EXPECT_TRUE(AnswersTo(info, kIidUnknown));
    EXPECT_FALSE(AnswersTo(info, info.clsid));
    if (info.name == u"NMRSpecFormRQuery") {
      ASSERT_EQ(info.aliases.size(), 1u);
      EXPECT_EQ(info.aliases[0].name, u"NMRSpecFormRQuery___v0");
      EXPECT_TRUE(AnswersTo(info, info.aliases[0].iid));
    } else {
      EXPECT_TRUE(info.aliases.empty());
    }
  }
}

TEST(ClassSurface, MemberTablesMatchTheSurfaceRowByRow) {
  for (const ClassInfo& info : PublicClasses()) {
    SCOPED_TRACE(Utf8(info.name));
    const ExpectedClass* expected = Expected(info.name);
    ASSERT_NE(expected, nullptr);
    const MemberTable rows = info.members();
    ASSERT_EQ(rows.size(), expected->rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const MemberRow& row = rows[i];
      const Row& want = expected->rows[i];
      SCOPED_TRACE("row " + std::to_string(i) + ": " + Utf8(want.member));
      EXPECT_EQ(row.name, want.member);
      EXPECT_EQ(row.kind, want.kind);
      EXPECT_EQ(row.type, want.type);
      EXPECT_EQ(row.id, want.id);
      ASSERT_EQ(row.params().size(), want.params.size());
      for (std::size_t p = 0; p < row.params().size(); ++p) {
        EXPECT_EQ(row.params()[p].name, want.params[p].name);
        EXPECT_EQ(row.params()[p].type, want.params[p].type);
        EXPECT_EQ(row.params()[p].optional, want.params[p].optional);
        if (want.params[p].optional) {
          EXPECT_EQ(row.params()[p].defaultValue, want.params[p].defaultValue);
        }
        // Only an object property is assigned by reference; no parameter is written back.
        EXPECT_FALSE(row.params()[p].byRef);
      }
    }
  }
}

TEST(ClassSurface, NamesFindTheirDispatchIdentifiersIgnoringCase) {
  for (const ClassInfo& info : PublicClasses()) {
    SCOPED_TRACE(Utf8(info.name));
    const DispatchRef object = CreateObject(info.ProgId());
    ASSERT_NE(object, nullptr);
    for (const MemberRow& row : info.members()) {
      std::u16string upper(row.name), lower(row.name);
      for (char16_t& c : upper) c = (c >= u'a' && c <= u'z') ? c - 32 : c;
      for (char16_t& c : lower) c = (c >= u'A' && c <= u'Z') ? c + 32 : c;
      EXPECT_EQ(object->GetIDsOfNames(row.name), row.id) << Utf8(row.name);
      EXPECT_EQ(object->GetIDsOfNames(upper), row.id) << Utf8(upper);
      EXPECT_EQ(object->GetIDsOfNames(lower), row.id) << Utf8(lower);
    }
    EXPECT_EQ(object->GetIDsOfNames(u"NoSuchMember"), kUnknownDispId);
  }
}

TEST(ClassSurface, GuidsPrintInRegistryForm) {
  constexpr Guid guid = Guid::Parse("0666c44e-b4c7-46ae-a90a-f6fa685f5380");
  EXPECT_EQ(Utf8(GuidToText(guid)), "{0666C44E-B4C7-46AE-A90A-F6FA685F5380}");
  EXPECT_EQ(guid.data1, 0x0666C44Eu);
  EXPECT_EQ(guid.data2, 0xB4C7);
  EXPECT_EQ(guid.data3, 0x46AE);
  EXPECT_EQ(guid.data4[0], 0xA9);
  EXPECT_EQ(guid.data4[7], 0x80);
}

}  // namespace
}  // namespace glyphwright
