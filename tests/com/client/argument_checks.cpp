// Arguments both ways. To a host: every argument by reference as VT_BYREF | VT_VARIANT, numbers as
// VT_R8, the flag as VT_BOOL, text as VT_BSTR, and whatever type the host writes into a register
// is what the next call of the same word receives. To our objects: arguments by reference as
// Visual Basic passes variables (VT_BYREF | VT_BSTR ...), left-out optional ones, named ones, a
// put's value, and the types a Variant cannot hold.
#include <windows.h>

#include <oleauto.h>

#include "automation.h"
#include "checks.h"
#include "client_checks.h"
#include "host_object.h"

namespace client {
namespace {

HRESULT Echo(std::vector<VARIANT*>& args, VARIANT* result, EXCEPINFO*) {
  return VariantCopyInd(result, args[0]);
}

void SetText(VARIANT* place, const wchar_t* text) {
  VariantClear(place);
  V_VT(place) = VT_BSTR;
  V_BSTR(place) = SysAllocString(text);
}

void CheckRegisters() {
  // SetSubscript writes the text "7" into its Index register; the calls that follow see it.
  std::vector<std::u16string> indexes;
  const auto host = ComRef<HostObject>::Adopt(new HostObject());
  host->On(L"QueryValue", &Echo);
  host->On(L"SetSubscript", [&](std::vector<VARIANT*>& args, VARIANT*, EXCEPINFO*) {
    indexes.push_back(TextOf(*args[0]));
    if (indexes.size() == 1) SetText(V_VARIANTREF(args[0]), L"7");
    return S_OK;
  });
  host->On(L"SetSuperscript", [&](std::vector<VARIANT*>& args, VARIANT*, EXCEPINFO*) {
    indexes.push_back(TextOf(*args[0]));
    return S_OK;
  });
  host->On(L"TypeText", [](std::vector<VARIANT*>&, VARIANT*, EXCEPINFO*) { return S_OK; });
  const ComRef<IDispatch> runner = Create(L"Glyphwright.CommandRunner");
  PutRef(runner.get(), L"Executer", host.get());
  Outcome outcome =
      Call(runner.get(), L"Run", {Text(L"=2\n=3\nSubscript\n=x\n=Italic\nTypeStyledText\n")});
  CheckHresult(outcome.hr, S_OK, "a run whose host writes a register");
  const std::vector<std::string> expected = {
      "QueryValue(VT_BYREF|VT_VARIANT->VT_BSTR)",
      "QueryValue(VT_BYREF|VT_VARIANT->VT_BSTR)",
      "SetSubscript(VT_BYREF|VT_VARIANT->VT_R8, VT_BYREF|VT_VARIANT->VT_R8, "
      "VT_BYREF|VT_VARIANT->VT_BOOL)",
      "SetSuperscript(VT_BYREF|VT_VARIANT->VT_BSTR, VT_BYREF|VT_VARIANT->VT_R8, "
      "VT_BYREF|VT_VARIANT->VT_BOOL)",
      "SetSubscript(VT_BYREF|VT_VARIANT->VT_BSTR, VT_BYREF|VT_VARIANT->VT_R8, "
      "VT_BYREF|VT_VARIANT->VT_BOOL)",
      "QueryValue(VT_BYREF|VT_VARIANT->VT_BSTR)",
      "QueryValue(VT_BYREF|VT_VARIANT->VT_BSTR)",
      "TypeText(VT_BYREF|VT_VARIANT->VT_BSTR, VT_BYREF|VT_VARIANT->VT_BSTR)",
  };
  CheckEqual(static_cast<int64_t>(host->calls.size()), static_cast<int64_t>(expected.size()),
             "the host calls");
  for (std::size_t i = 0; i < expected.size() && i < host->calls.size(); ++i) {
    Check(host->calls[i] == expected[i], "call " + std::to_string(i) + ": " + host->calls[i]);
  }
  CheckEqual(indexes.size() == 3 ? indexes[0] + indexes[1] + indexes[2] : u"", u"277",
             "the register the host wrote reaches the following calls of the word");
  PutRef(runner.get(), L"Executer", nullptr);
}

void CheckListener() {
  // A listener that writes Value by reference, as the query asks: -1, the run is subscript.
  const auto listener = ComRef<HostObject>::Adopt(new HostObject());
  std::vector<std::u16string> asked;
  const auto answer = [&](LONG value) {
    return [&asked, value](std::vector<VARIANT*>& args, VARIANT*, EXCEPINFO*) {
      asked.push_back(TextOf(*args[0]) + u"," + TextOf(*args[1]) + u"," + TextOf(*args[2]));
      VARIANT* place = V_VARIANTREF(args[2]);
      VariantClear(place);
      V_VT(place) = VT_I4;
      V_I4(place) = value;
      return S_OK;
    };
  };
  listener->On(L"GetSubscript", answer(-1));
  listener->On(L"GetSuperscript", answer(0));
  const ComRef<IDispatch> digits = Create(L"Glyphwright.ChemRDigitQuery");
  PutRef(digits.get(), L"FontListener", listener.get());
  Outcome outcome = Call(digits.get(), L"GetCommands", {Text(L"H2O")});
  CheckEqual(TextOf(*outcome.result), Lines({u"=1", u"=1", u"Superscript"}),
             "a C++ listener writing Value");
  CheckEqual(asked.size() == 2 ? asked[0] + u" " + asked[1] : u"", u"1,1,0 1,1,0",
             "Index, Length and Value as the listener received them");

  // Named arguments, in any order, as Visual Basic passes them: SetSubscript(Length:=2, Index:=5).
  asked.clear();
  wchar_t setSubscript[] = L"SetSubscript";
  wchar_t length[] = L"length";
  wchar_t index[] = L"Index";
  wchar_t v[] = L"v";
  LPOLESTR names[] = {setSubscript, length, index, v};
  DISPID ids[4] = {};
  CheckHresult(digits->GetIDsOfNames(IID_NULL, names, 4, LOCALE_USER_DEFAULT, ids), S_OK,
               "parameter names");
  CheckEqual(ids[0], 0x60030001, "SetSubscript");
  CheckEqual(ids[1] * 100 + ids[2] * 10 + ids[3], 102, "Length 1, Index 0, v 2");
  wchar_t width[] = L"Width";
  LPOLESTR unknown[] = {setSubscript, width};
  CheckHresult(digits->GetIDsOfNames(IID_NULL, unknown, 2, LOCALE_USER_DEFAULT, ids),
               DISP_E_UNKNOWNNAME, "a parameter name the member lacks");
  CheckEqual(ids[1], DISPID_UNKNOWN, "its identifier");

  Var arguments[2] = {Long(5), Long(2)};  // named: rgvarg[i] goes with rgdispidNamedArgs[i]
  DISPID named[2] = {0, 1};
  VARIANT passed[2] = {*arguments[0], *arguments[1]};
  DISPPARAMS params{passed, named, 2, 2};
  Var result;
  EXCEPINFO info{};
  // A new text, so the query asks again.
  Call(digits.get(), L"GetCommands", {Text(L"")});
  CheckHresult(digits->Invoke(0x60030001, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                              result.get(), &info, nullptr),
               S_OK, "SetSubscript with named arguments");
  CheckEqual(asked.empty() ? u"" : asked[0], u"5,2,0", "named arguments in their places");

  // A left-out optional argument takes its default; a left-out required one is error 449.
  asked.clear();
  Call(digits.get(), L"GetCommands", {Text(L"")});
  outcome = Call(digits.get(), L"SetSubscript", {Long(3), Long(1), Missing()});
  CheckHresult(outcome.hr, S_OK, "v left out");
  outcome = Call(digits.get(), L"SetSubscript", {Missing(), Long(1)});
  CheckHresult(outcome.scode, 0x800A01C1, "Index left out is error 449");
  CheckEqual(outcome.description, u"Argument not optional", "its description");
  PutRef(digits.get(), L"FontListener", nullptr);
}

void CheckOurArguments() {
  // By reference, as Visual Basic passes a variable; our objects leave it as it was.
  const ComRef<IDispatch> ion = Create(L"Glyphwright.IonFormulaQuery");
  BSTR text = SysAllocString(L"SO42-");
  Outcome outcome = Call(ion.get(), L"GetCommands", {RefTo(&text)});
  CheckEqual(TextOf(*outcome.result),
             Lines({u"=2", u"=2", u"Subscript", u"=3", u"=2", u"Superscript"}),
             "GetCommands of a VT_BYREF | VT_BSTR");
  CheckEqual(FromWide(text), u"SO42-", "the variable is left alone");
  SysFreeString(text);
  Var inner = Text(L"\xFF28\xFF12\xFF2F");  // full-width H2O
  outcome = Call(ion.get(), L"GetCommands", {RefTo(inner.get())});
  CheckEqual(TextOf(*outcome.result), Lines({u"=1", u"=1", u"Subscript"}),
             "GetCommands of a VT_BYREF | VT_VARIANT holding full-width text");

  const ComRef<IDispatch> list = Create(L"Glyphwright.NMRSpecFormQuery");
  LONG style = 3;
  CheckHresult(Put(list.get(), L"JValueStyle", RefTo(&style)).hr, S_OK, "a VT_BYREF | VT_I4 put");
  CheckEqual(TextOf(*Get(list.get(), L"JValueStyle").result), u"3", "JValueStyle read back");
  outcome = Get(list.get(), L"JValueStyle");
  CheckEqual(outcome.result.Type(), VT_I4, "a Long comes back as VT_I4");
  outcome = Get(Create(L"Glyphwright.NMRSpecFormRQuery").get(), L"Strict");
  CheckEqual(outcome.result.Type(), VT_BOOL, "a Boolean comes back as VT_BOOL");

  const ComRef<IDispatch> digits = Create(L"Glyphwright.ChemRDigitQuery");
  // Currency to Double (rounded half to even for a Long), 64-bit integers beyond 32 bits to
  // Double, a Date to its text.
  Var currency;
  V_VT(currency.get()) = VT_CY;
  V_CY(currency.get()).int64 = 25000;  // 2.5
  CheckHresult(Put(list.get(), L"JValueStyle", currency).hr, S_OK, "a Currency put");
  CheckEqual(TextOf(*Get(list.get(), L"JValueStyle").result), u"2", "Currency 2.5 as a Long");
  Var wide;
  V_VT(wide.get()) = VT_I8;
  V_I8(wide.get()) = 1LL << 40;
  CheckHresult(Put(list.get(), L"JValueStyle", wide).scode, 0x800A0006,
               "a 64-bit integer beyond a Long is error 6");
  Var date;
  V_VT(date.get()) = VT_DATE;
  V_DATE(date.get()) = 36526.0;  // 1 January 2000
  outcome = Call(digits.get(), L"QueryValue", {date});
  CheckEqual(outcome.result.Type(), VT_BSTR, "a Date arrives as text");
  Check(TextOf(*outcome.result).find(u"2000") != std::u16string::npos,
        "the text of the date: " + Utf8(TextOf(*outcome.result)));

  // Text keeps every code unit, a NUL included.
  outcome = Call(digits.get(), L"QueryValue", {Text(std::wstring_view(L"a\0\x03B4", 3))});
  CheckEqual(TextOf(*outcome.result), std::u16string_view(u"a\0\u03B4", 3), "a NUL and a delta");

  // What a Variant cannot hold.
  Var null;
  V_VT(null.get()) = VT_NULL;
  outcome = Call(ion.get(), L"GetCommands", {null});
  CheckEqual(outcome.description, u"Invalid use of Null", "Null");
  CheckHresult(outcome.scode, 0x800A005E, "Null is error 94");
  Var array;
  V_VT(array.get()) = VT_ARRAY | VT_VARIANT;
  V_ARRAY(array.get()) = SafeArrayCreateVector(VT_VARIANT, 0, 1);
  outcome = Call(ion.get(), L"GetCommands", {array});
  CheckHresult(outcome.scode, 0x800A000D, "an array is error 13");
  outcome = Call(ion.get(), L"GetCommands", {Double(42)});
  CheckEqual(TextOf(*outcome.result), u"", "a Double as its text");

  // An object property set with a plain put, as JScript assigns: it is stored by reference.
  const ComRef<IDispatch> runner = Create(L"Glyphwright.CommandRunner");
  outcome = Put(runner.get(), L"Executer", Object(digits.get()));
  CheckHresult(outcome.hr, S_OK, "Executer assigned with a plain put");
  outcome = Get(runner.get(), L"Executer");
  Check(outcome.result.Type() == VT_DISPATCH && V_DISPATCH(outcome.result.get()) == digits.get(),
        "the same object comes back");
  const ComRef<IDispatch> formula = Create(L"Glyphwright.ChemFormulaQuery");
  outcome = Invoke(formula.get(), IdOf(formula.get(), L"ItalicCommand"),
                   DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF, {Text(L"Chemical Italic")});
  CheckHresult(outcome.hr, S_OK, "a put offered as both kinds, to a property put by value");
  CheckEqual(TextOf(*Get(formula.get(), L"ItalicCommand").result), u"Chemical Italic",
             "ItalicCommand read back");
  outcome = Invoke(runner.get(), IdOf(runner.get(), L"Executer"),
                   DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF, {Object(formula.get())});
  CheckHresult(outcome.hr, S_OK, "a put offered as both kinds, to a property set by reference");
  outcome = Get(runner.get(), L"Executer");
  Check(V_DISPATCH(outcome.result.get()) == formula.get(), "the object was set");
  outcome = Put(runner.get(), L"IgnoreError", Object(digits.get()));
  CheckHresult(outcome.scode, 0x800A000D, "an object as a Boolean is error 13");
  PutRef(runner.get(), L"Executer", nullptr);
  outcome = Invoke(runner.get(), 0x12345, DISPATCH_METHOD, {});
  CheckHresult(outcome.hr, DISP_E_MEMBERNOTFOUND, "an identifier the class lacks");
  outcome = Invoke(runner.get(), 0x60030004, DISPATCH_PROPERTYPUT, {Text(L"")});
  CheckHresult(outcome.hr, DISP_E_MEMBERNOTFOUND, "a put of a method");
}

}  // namespace

void CheckArguments() {
  Section("arguments");
  CheckRegisters();
  CheckListener();
  CheckOurArguments();
}

}  // namespace client
