// Every member of every public class, called by name on a live object made by ProgID, through
// Dispatch alone: nothing here knows a C++ class.
#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "characterisation/characterisation_query.h"
#include "chem/chem_formula_query.h"
#include "chem/chem_name_query.h"
#include "component/class_registry.h"
#include "document/document.h"
#include "document/renderers.h"
#include "journal/journal_query.h"
#include "nmr/nmr_specform_query.h"
#include "nmr/nmr_specform_r_query.h"
#include "nmr/nmr_style_query.h"
#include "prose/chem_text_query.h"
#include "support/recording_executer.h"
#include "text/utf8.h"

namespace glyphwright {
namespace {

using testing::RecordingExecuter;

Variant Call(Dispatch& object, std::u16string_view name, InvokeKind kind,
             std::vector<Variant> args = {}) {
  std::vector<Variant*> pointers;
  for (Variant& arg : args) pointers.push_back(&arg);
  return CallByName(object, name, kind, Arguments(pointers.data(), pointers.size()));
}

Variant Get(Dispatch& object, std::u16string_view name) {
  return Call(object, name, InvokeKind::PropertyGet);
}

int32_t ErrorNumberOf(auto&& call) {
  try {
    call();
  } catch (const AutomationError& error) {
    return error.Number();
  }
  return 0;
}

// Calls members by name on one object and notes which rows it reached.
class Tour {
 public:
  explicit Tour(Dispatch& object) : object_(object) {}

  Variant operator()(std::u16string_view name, InvokeKind kind, std::vector<Variant> args = {}) {
    reached_.insert({std::u16string(name), kind});
    return Call(object_, name, kind, std::move(args));
  }
  bool Reached(const MemberRow& row) const {
    return reached_.count({std::u16string(row.name), row.kind}) > 0;
  }

 private:
  Dispatch& object_;
  std::set<std::pair<std::u16string, InvokeKind>> reached_;
};

void CommandRunnerTour(Dispatch& runner, Tour& call) {
  const auto host = std::make_shared<RecordingExecuter>();
  EXPECT_EQ(call(u"Executer", InvokeKind::PropertyGet), Variant(DispatchRef()));
  call(u"Executer", InvokeKind::PropertyPutRef, {Variant(DispatchRef(host))});
  EXPECT_EQ(Get(runner, u"executer"), Variant(DispatchRef(host)))
      << "put by reference stores the object itself";

  EXPECT_EQ(call(u"IgnoreError", InvokeKind::PropertyGet), Variant(false));
  call(u"IgnoreError", InvokeKind::PropertyPut, {Variant(u"True")});
  EXPECT_EQ(Get(runner, u"IgnoreError"), Variant(true));
  call(u"IgnoreError", InvokeKind::PropertyPut, {Variant(int32_t{0})});

  call(u"Run", InvokeKind::Method, {Variant(u"=3\n=2.5\nSmall\n")});
  EXPECT_EQ(host->calls, testing::Lines({"QueryValue(3)", "QueryValue(2.5)", "SetSmall(3, 2.5)"}));
}

// The same call made directly on the C++ class, to compare with the late-bound answer.
template <class T, class Direct>
auto Directly(Dispatch& object, Direct direct) {
  T* typed = dynamic_cast<T*>(&object);
  EXPECT_NE(typed, nullptr);
  return direct(*typed);
}

void JournalQueryTour(Dispatch& query, Tour& call) {
  const std::u16string text = u"J. Am. Chem. Soc. 1999, 121, 1234.";
  const Variant script = call(u"GetCommands", InvokeKind::Method, {Variant(text)});
  EXPECT_EQ(script, Variant(Directly<JournalQuery>(
                        query, [&](JournalQuery& direct) { return direct.GetCommands(text); })));
  EXPECT_EQ(script.ToText().substr(0, 14), u"=0\n=17\nItalic\n");
}

void NMRSpecFormQueryTour(Dispatch& query, Tour& call) {
  EXPECT_EQ(call(u"JValueStyle", InvokeKind::PropertyGet), Variant(int32_t{1}));
  call(u"JValueStyle", InvokeKind::PropertyPut, {Variant(u"2")});
  EXPECT_EQ(Get(query, u"JValueStyle"), Variant(int32_t{2}));
  // A Long parameter rounds fractions half to even.
  call(u"JValueStyle", InvokeKind::PropertyPut, {Variant(3.5)});
  EXPECT_EQ(Get(query, u"JValueStyle"), Variant(int32_t{4}));
  call(u"JValueStyle", InvokeKind::PropertyPut, {Variant(2.5)});
  EXPECT_EQ(Get(query, u"JValueStyle"), Variant(int32_t{2}));

  call(u"SpecFormat", InvokeKind::PropertyPut, {Variant(u"J, 1H, d")});
  EXPECT_EQ(call(u"SpecFormat", InvokeKind::PropertyGet), Variant(u"J, 1H, d"));
  call(u"TableFormat", InvokeKind::PropertyPut, {Variant(u"d, 1H, J")});

  const std::u16string table = u"7.26\t1H\td\t8.0\r1.25\t3H\tt\t7.1";
  const Variant script = call(u"GetCommands", InvokeKind::Method, {Variant(table)});
  EXPECT_EQ(script, Variant(Directly<NMRSpecFormQuery>(query, [&](NMRSpecFormQuery& direct) {
              return direct.GetCommands(table);
            })));
  try {
    Call(query, u"GetCommands", InvokeKind::Method, {Variant(u"no peaks here")});
    ADD_FAILURE() << "a table without shifts raised nothing";
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number(), 1);
    EXPECT_EQ(error.Description(), u"Chemical shift is missing.");
  }
}

void NMRSpecFormRQueryTour(Dispatch& query, Tour& call) {
  EXPECT_EQ(call(u"Strict", InvokeKind::PropertyGet), Variant(false));
  call(u"Strict", InvokeKind::PropertyPut, {Variant(u"True")});
  EXPECT_EQ(Get(query, u"Strict"), Variant(true));
  call(u"Strict", InvokeKind::PropertyPut, {Variant(int32_t{0})});

  call(u"SpecFormat", InvokeKind::PropertyPut, {Variant(u"d, 1H, J")});
  EXPECT_EQ(call(u"SpecFormat", InvokeKind::PropertyGet), Variant(u"d, 1H, J"));
  call(u"TableFormat", InvokeKind::PropertyPut, {Variant(u"J, d, 1H")});
  EXPECT_EQ(ErrorNumberOf([&] { Get(query, u"TableFormat"); }), 438) << "TableFormat has no get";

  const std::u16string list = u"1H NMR (CDCl3) δ 7.26 (d, 1H, J = 8.0 Hz), 1.25 (s, 3H).";
  const Variant script = call(u"GetCommands", InvokeKind::Method, {Variant(list)});
  EXPECT_EQ(script, Variant(Directly<NMRSpecFormRQuery>(query, [&](NMRSpecFormRQuery& direct) {
              return direct.GetCommands(list);
            })));
  EXPECT_NE(script.ToText(), u"");
}

void NMRStyleQueryTour(Dispatch& query, Tour& call) {
  EXPECT_EQ(call(u"Style", InvokeKind::PropertyGet), Variant(u"ACS"));
  call(u"Style", InvokeKind::PropertyPut, {Variant(u"rsc")});
  EXPECT_EQ(Get(query, u"Style"), Variant(u"RSC"));
  EXPECT_EQ(ErrorNumberOf([&] { call(u"Style", InvokeKind::PropertyPut, {Variant(u"Nature")}); }),
            1);
  EXPECT_EQ(Get(query, u"Style"), Variant(u"RSC")) << "a refused name changes nothing";

  EXPECT_EQ(call(u"Sort", InvokeKind::PropertyGet), Variant(u"Descending"));
  call(u"Sort", InvokeKind::PropertyPut, {Variant(u"astyped")});
  EXPECT_EQ(Get(query, u"Sort"), Variant(u"AsTyped"));
  EXPECT_EQ(ErrorNumberOf([&] { call(u"Sort", InvokeKind::PropertyPut, {Variant(u"up")}); }), 1);

  EXPECT_EQ(call(u"ShiftDecimals", InvokeKind::PropertyGet), Variant(int32_t{-2}));
  call(u"ShiftDecimals", InvokeKind::PropertyPut, {Variant(u"3")});
  EXPECT_EQ(Get(query, u"ShiftDecimals"), Variant(int32_t{3}));
  EXPECT_EQ(ErrorNumberOf(
                [&] { call(u"ShiftDecimals", InvokeKind::PropertyPut, {Variant(int32_t{7})}); }),
            1);
  EXPECT_EQ(call(u"CouplingDecimals", InvokeKind::PropertyGet), Variant(int32_t{1}));
  call(u"CouplingDecimals", InvokeKind::PropertyPut, {Variant(int32_t{-1})});
  EXPECT_EQ(ErrorNumberOf([&] {
              call(u"CouplingDecimals", InvokeKind::PropertyPut, {Variant(int32_t{-2})});
            }),
            1);

  const std::u16string list = u"1H NMR (CDCl3) \u03B4 1.25 (s, 3H), 7.26 (d, J = 8 Hz, 1H).";
  const Variant script = call(u"GetCommands", InvokeKind::Method, {Variant(list)});
  EXPECT_EQ(script, Variant(Directly<NMRStyleQuery>(
                        query, [&](NMRStyleQuery& direct) { return direct.GetCommands(list); })));
  EXPECT_NE(script.ToText(), u"");

  // Why the list-to-table query cannot read a list, for hosts that reach only objects; a strict
  // reader also asks for the count the lax one lets go.
  const auto explain = [&](std::u16string_view text, bool strict) {
    return call(u"ExplainPeakList", InvokeKind::Method,
                {Variant(std::u16string(text)), Variant(u""), Variant(strict)});
  };
  EXPECT_EQ(
      explain(u"\u03B4 7.26 (1H, s); 1.25 (3H, s).", false),
      Variant(u"Missing comma. (at offset 14: \u00AB\u20267.26 (1H, s); 1.25 (3H, \u2026\u00BB)"));
  EXPECT_EQ(explain(u"\u03B4 7.26, 1.25.", false), Variant(u""));
  EXPECT_EQ(explain(u"\u03B4 7.26, 1.25.", true),
            Variant(u"Missing number and atom. (at offset 2: \u00AB\u03B4 7.26, 1.25.\u00BB)"));
}

void ChemFormulaQueryTour(Dispatch& query, Tour& call) {
  EXPECT_EQ(call(u"ItalicCommand", InvokeKind::PropertyGet), Variant(u"Italic"));
  call(u"ItalicCommand", InvokeKind::PropertyPut, {Variant(u"Chemical Italic")});
  EXPECT_EQ(Get(query, u"ItalicCommand"), Variant(u"Chemical Italic"));
  const std::u16string text = u"cis-CH3C#CCH3";
  const Variant script = call(u"GetCommands", InvokeKind::Method, {Variant(text)});
  EXPECT_EQ(script, Variant(Directly<ChemFormulaQuery>(query, [&](ChemFormulaQuery& direct) {
              return direct.GetCommands(text);
            })));
  EXPECT_NE(script.ToText().find(u"Chemical Italic\n"), std::u16string::npos);
}

void CharacterisationQueryTour(Dispatch& query, Tour& call) {
  EXPECT_EQ(call(u"ItalicCommand", InvokeKind::PropertyGet), Variant(u"Italic"));
  call(u"ItalicCommand", InvokeKind::PropertyPut, {Variant(u"Chemical Italic")});
  EXPECT_EQ(Get(query, u"ItalicCommand"), Variant(u"Chemical Italic"));
  const std::u16string text = u"HRMS m/z calcd for C10H13O2 [M+H]+ 165.0910";
  const Variant script = call(u"GetCommands", InvokeKind::Method, {Variant(text)});
  EXPECT_EQ(script,
            Variant(Directly<CharacterisationQuery>(
                query, [&](CharacterisationQuery& direct) { return direct.GetCommands(text); })));
  EXPECT_NE(script.ToText().find(u"=5\n=3\nChemical Italic\n"), std::u16string::npos);
  EXPECT_EQ(
      call(u"CheckCharacterisation", InvokeKind::Method,
           {Variant(u"HRMS calcd for C10H13O2 [M+H]+ 165.0925")}),
      Variant(u"31: The calcd m/z 165.0925 should be 165.0910 for C10H13O2 with charge 1+.\n"));
}

void IonFormulaQueryTour(Dispatch& query, Tour& call) {
  const Variant script = call(u"GetCommands", InvokeKind::Method, {Variant(u"SO42-")});
  EXPECT_EQ(script, Variant(u"=2\n=2\nSubscript\n=3\n=2\nSuperscript\n"));
  EXPECT_EQ(Call(query, u"GetCommands", InvokeKind::Method, {Variant(int32_t{42})}), Variant(u""))
      << "a String parameter takes a number as its text";
}

void ChemNameQueryTour(Dispatch& query, Tour& call) {
  EXPECT_EQ(call(u"ItalicCommand", InvokeKind::PropertyGet), Variant(u"Italic"));
  call(u"ItalicCommand", InvokeKind::PropertyPut, {Variant(u"Chemical Italic")});
  EXPECT_EQ(call(u"SmallCommand", InvokeKind::PropertyGet), Variant(u"Small"));
  call(u"SmallCommand", InvokeKind::PropertyPut, {Variant(u"Chemical Small")});
  const std::u16string text = u"(R)-D-glucose";
  const Variant script = call(u"GetCommands", InvokeKind::Method, {Variant(text)});
  EXPECT_EQ(script, Variant(Directly<ChemNameQuery>(
                        query, [&](ChemNameQuery& direct) { return direct.GetCommands(text); })));
  EXPECT_NE(script.ToText().find(u"Chemical Small\n"), std::u16string::npos);
}

// A host FontListener: reports a fixed script state, writing Value by reference as automation
// hosts do, or answering with its result as hosts that cannot write arguments do.
class StateListener : public Dispatch {
 public:
  StateListener(int32_t subscript, int32_t superscript, bool answerByResult = false)
      : subscript_(subscript), superscript_(superscript), byResult_(answerByResult) {}

  std::vector<std::string> calls;

  DispId GetIDsOfNames(std::u16string_view name) override {
    if (name == u"GetSubscript") return 1;
    if (name == u"GetSuperscript") return 2;
    return kUnknownDispId;
  }
  Variant Invoke(DispId id, InvokeKind, Arguments args) override {
    calls.push_back((id == 1 ? "GetSubscript(" : "GetSuperscript(") +
                    Utf16ToUtf8(args[0]->ToText()) + ", " + Utf16ToUtf8(args[1]->ToText()) + ")");
    const Variant answer(id == 1 ? subscript_ : superscript_);
    if (byResult_) return answer;
    *args[2] = answer;
    return {};
  }

 private:
  int32_t subscript_;
  int32_t superscript_;
  bool byResult_;
};

void ChemRDigitQueryTour(Dispatch& query, Tour& call) {
  EXPECT_EQ(call(u"FontListener", InvokeKind::PropertyGet), Variant(DispatchRef()));
  // A host may call SetSubscript itself; without a listener there is nothing to ask.
  EXPECT_EQ(ErrorNumberOf([&] {
              call(u"SetSubscript", InvokeKind::Method, {Variant(int32_t{1}), Variant(int32_t{1})});
            }),
            91);

  const auto listener = std::make_shared<StateListener>(-1, 0);
  call(u"FontListener", InvokeKind::PropertyPutRef, {Variant(DispatchRef(listener))});
  EXPECT_EQ(Get(query, u"FontListener"), Variant(DispatchRef(listener)));
  EXPECT_EQ(call(u"QueryValue", InvokeKind::Method, {Variant(u"$CursorPosition")}),
            Variant(u"$CursorPosition"));
  // v is optional; given or not, it changes nothing. Index and Length take numbers as text.
  call(u"SetSubscript", InvokeKind::Method, {Variant(u"4"), Variant(2.0), Variant(int32_t{7})});
  EXPECT_EQ(listener->calls, testing::Lines({"GetSubscript(4, 2)", "GetSuperscript(4, 2)"}));

  listener->calls.clear();
  const Variant script = call(u"GetCommands", InvokeKind::Method, {Variant(u"C6H12O6")});
  EXPECT_EQ(script, Variant(u"=1\n=1\nSuperscript\n=3\n=2\nSuperscript\n=6\n=1\nSuperscript\n"));
  EXPECT_EQ(listener->calls, testing::Lines({"GetSubscript(1, 1)", "GetSuperscript(1, 1)"}))
      << "only the first run is asked about";
}

void ChemTextQueryTour(Dispatch& query, Tour& call) {
  EXPECT_EQ(call(u"ItalicCommand", InvokeKind::PropertyGet), Variant(u"Italic"));
  call(u"ItalicCommand", InvokeKind::PropertyPut, {Variant(u"Chemical Italic")});
  EXPECT_EQ(call(u"SmallCommand", InvokeKind::PropertyGet), Variant(u"Small"));
  call(u"SmallCommand", InvokeKind::PropertyPut, {Variant(u"Chemical Small")});
  const std::u16string text = u"Water, H2O, and L-alanine.";
  const Variant script = call(u"GetCommands", InvokeKind::Method, {Variant(text)});
  EXPECT_EQ(script, Variant(Directly<ChemTextQuery>(
                        query, [&](ChemTextQuery& direct) { return direct.GetCommands(text); })));
  EXPECT_EQ(script, Variant(u"=8\n=1\nSubscript\n=16\n=1\nChemical Small\n"));
  // A listener that reports everything superscript keeps the subscript from being set.
  EXPECT_EQ(call(u"FontListener", InvokeKind::PropertyGet), Variant(DispatchRef()));
  const auto listener = std::make_shared<StateListener>(0, -1);
  call(u"FontListener", InvokeKind::PropertyPutRef, {Variant(DispatchRef(listener))});
  EXPECT_EQ(Get(query, u"FontListener"), Variant(DispatchRef(listener)));
  EXPECT_EQ(call(u"GetCommands", InvokeKind::Method, {Variant(u"H2O")}), Variant(u""));
}

struct ClassTour {
  std::u16string_view name;
  void (*tour)(Dispatch& object, Tour& call);
};

constexpr ClassTour kTours[] = {
    {u"CommandRunner", &CommandRunnerTour},
    {u"ChemFormulaQuery", &ChemFormulaQueryTour},
    {u"IonFormulaQuery", &IonFormulaQueryTour},
    {u"ChemRDigitQuery", &ChemRDigitQueryTour},
    {u"ChemNameQuery", &ChemNameQueryTour},
    {u"JournalQuery", &JournalQueryTour},
    {u"NMRSpecFormQuery", &NMRSpecFormQueryTour},
    {u"NMRSpecFormRQuery", &NMRSpecFormRQueryTour},
    {u"CharacterisationQuery", &CharacterisationQueryTour},
    {u"NMRStyleQuery", &NMRStyleQueryTour},
    {u"ChemTextQuery", &ChemTextQueryTour},
};

TEST(LateBinding, EveryMemberOfEveryClassByName) {
  for (const ClassInfo& info : PublicClasses()) {
    SCOPED_TRACE(Utf16ToUtf8(info.name));
    const ClassTour* tour = nullptr;
    for (const ClassTour& candidate : kTours) {
      if (candidate.name == info.name) tour = &candidate;
    }
    ASSERT_NE(tour, nullptr) << "no tour of the class's members";
    const DispatchRef object = CreateObject(info.ProgId());
    Tour call(*object);
    tour->tour(*object, call);
    for (const MemberRow& row : info.members()) {
      EXPECT_TRUE(call.Reached(row)) << Utf16ToUtf8(row.name) << " (kind "
                                     << static_cast<int>(row.kind) << ") was never called";
    }
  }
}

TEST(LateBinding, ArgumentsAreConvertedOrRejectedLikeAutomation) {
  const DispatchRef runner = CreateObject(u"Glyphwright.CommandRunner");
  // A String parameter takes any value with a text form; an object has none.
  EXPECT_EQ(ErrorNumberOf([&] { Call(*runner, u"Run", InvokeKind::Method, {Variant(7.5)}); }), 0);
  EXPECT_EQ(ErrorNumberOf([&] {
              Call(*runner, u"Run", InvokeKind::Method,
                   {Variant(DispatchRef(std::make_shared<RecordingExecuter>()))});
            }),
            13);
  EXPECT_EQ(ErrorNumberOf([&] { Call(*runner, u"Run", InvokeKind::Method); }), 449);
  EXPECT_EQ(ErrorNumberOf([&] {
              Call(*runner, u"Run", InvokeKind::Method, {Variant(u""), Variant(u"")});
            }),
            450);
  EXPECT_EQ(ErrorNumberOf([&] {
              Call(*runner, u"IgnoreError", InvokeKind::PropertyPut, {Variant(u"maybe")});
            }),
            13);
  // An object property is assigned by reference only, and only an object.
  EXPECT_EQ(ErrorNumberOf([&] {
              Call(*runner, u"Executer", InvokeKind::PropertyPut,
                   {Variant(DispatchRef(std::make_shared<RecordingExecuter>()))});
            }),
            438);
  EXPECT_EQ(ErrorNumberOf([&] {
              Call(*runner, u"Executer", InvokeKind::PropertyPutRef, {Variant(u"editor")});
            }),
            424);
  EXPECT_EQ(ErrorNumberOf([&] { Call(*runner, u"Walk", InvokeKind::Method); }), 438);
  EXPECT_EQ(ErrorNumberOf([&] { Call(*runner, u"Run", InvokeKind::PropertyPut, {Variant(u"")}); }),
            438);
}

TEST(LateBinding, ScriptStyleRunByNameOnly) {
  // What a macro does: create by ProgID, set Executer by reference, run, read back.
  const DispatchRef runner = CreateObject(u"glyphwright.commandrunner");
  const auto host = std::make_shared<RecordingExecuter>();
  Call(*runner, u"executer", InvokeKind::PropertyPutRef, {Variant(DispatchRef(host))});
  Call(*runner, u"RUN", InvokeKind::Method, {Variant(u"=0\n=2\nItalic\n")});
  EXPECT_EQ(host->calls,
            testing::Lines({"QueryValue(0)", "QueryValue(2)", "SetStyle(0, 2, Italic)"}));
}

// The digit cycle of C6H12O6 from each state of its first run, asked by reference and by result.
TEST(LateBinding, DigitQueryAsksTheHostListenerEitherWay) {
  struct Case {
    int32_t subscript, superscript;
    const char16_t* word;
  };
  for (const Case& c :
       {Case{0, 0, u"Subscript"}, Case{-1, 0, u"Superscript"}, Case{0, -1, u"NormalScript"},
        Case{9999999, -1, u"Subscript"}, Case{-1, -1, u"Superscript"}}) {
    for (bool byResult : {false, true}) {
      const DispatchRef query = CreateObject(u"Glyphwright.ChemRDigitQuery");
      Call(*query, u"FontListener", InvokeKind::PropertyPutRef,
           {Variant(DispatchRef(
               std::make_shared<StateListener>(c.subscript, c.superscript, byResult)))});
      const std::u16string word = c.word;
      EXPECT_EQ(Call(*query, u"GetCommands", InvokeKind::Method, {Variant(u"C6H12O6")}),
                Variant(u"=1\n=1\n" + word + u"\n=3\n=2\n" + word + u"\n=6\n=1\n" + word + u"\n"))
          << c.subscript << " " << c.superscript << (byResult ? " by result" : " by reference");
    }
  }
}

// What a macro does with the digit query: everything by name, the reference document as the
// Executer and as the FontListener that answers by reference.
TEST(LateBinding, ScriptStyleDigitCycleOnTheDocument) {
  const auto document = std::make_shared<Document>(u"H2O and H2O2");
  const DispatchRef runner = CreateObject(u"Glyphwright.CommandRunner");
  const DispatchRef query = CreateObject(u"Glyphwright.ChemRDigitQuery");
  Call(*runner, u"Executer", InvokeKind::PropertyPutRef, {Variant(DispatchRef(document))});
  Call(*query, u"FontListener", InvokeKind::PropertyPutRef, {Variant(DispatchRef(document))});

  const auto cycle = [&] {
    const Variant text(document->BeginQuery());
    const Variant script = Call(*query, u"GetCommands", InvokeKind::Method, {text});
    Call(*runner, u"Run", InvokeKind::Method, {script});
    return Utf16ToUtf8(RenderUnicode(*document));
  };
  EXPECT_EQ(cycle(), "H₂O and H₂O₂");
  EXPECT_EQ(cycle(), "H²O and H²O²");
  EXPECT_EQ(cycle(), "H2O and H2O2");
}

}  // namespace
}  // namespace glyphwright
