// The automation surface of Document: the Executer operations in the order the runner's
// contract lists them, then the FontListener operations.
#include "document/document.h"

namespace glyphwright {
namespace {

using M = MemberInfo<Document>;

constexpr ParamInfo kValue[] = {{u"value", ValueType::String}};
constexpr ParamInfo kScriptParams[] = {
    {u"Index", ValueType::Long}, {u"Length", ValueType::Long}, {u"flag", ValueType::Boolean}};
constexpr ParamInfo kIndexLength[] = {{u"Index", ValueType::Long}, {u"Length", ValueType::Long}};
constexpr ParamInfo kSetStyleParams[] = {
    {u"Index", ValueType::Long}, {u"Length", ValueType::Long}, {u"StyleName", ValueType::String}};
constexpr ParamInfo kStyleName[] = {{u"StyleName", ValueType::String}};
constexpr ParamInfo kReplaceCharParams[] = {{u"Index", ValueType::Long},
                                            {u"Code", ValueType::String}};
constexpr ParamInfo kTypeTextParams[] = {{u"Text", ValueType::String},
                                         {u"StyleName", ValueType::String}};
constexpr ParamInfo kTarget[] = {{u"Target", ValueType::String}};
constexpr ParamInfo kStartLength[] = {{u"Start", ValueType::Long}, {u"Length", ValueType::Long}};
// The listener writes its answer into Value.
constexpr ParamInfo kListenerParams[] = {{u"Index", ValueType::Long},
                                         {u"Length", ValueType::Long},
                                         {u"Value", ValueType::Long, /*byRef=*/true}};

const std::u16string& Text(Arguments args, std::size_t i) {
  return *args[i]->AsString();
}

constexpr M Method(std::u16string_view name, DispId id, ValueType type,
                   std::span<const ParamInfo> params, Variant (*call)(Document&, Arguments)) {
  return {name, InvokeKind::Method, id, type, params, call};
}

const M kMembers[] = {
    Method(u"QueryValue", 1, ValueType::Variant, kValue,
           [](Document& self, Arguments args) { return self.QueryValue(Text(args, 0)); }),
    Method(u"SetSubscript", 2, ValueType::Void, kScriptParams,
           [](Document& self, Arguments args) {
             self.SetSubscript(args[0]->ToLong(), args[1]->ToLong(), args[2]->ToBoolean());
             return Variant();
           }),
    Method(u"SetSuperscript", 3, ValueType::Void, kScriptParams,
           [](Document& self, Arguments args) {
             self.SetSuperscript(args[0]->ToLong(), args[1]->ToLong(), args[2]->ToBoolean());
             return Variant();
           }),
    Method(u"SetSmall", 4, ValueType::Void, kIndexLength,
           [](Document& self, Arguments args) {
             self.SetSmall(args[0]->ToLong(), args[1]->ToLong());
             return Variant();
           }),
    Method(u"SetStyle", 5, ValueType::Void, kSetStyleParams,
           [](Document& self, Arguments args) {
             self.SetStyle(args[0]->ToLong(), args[1]->ToLong(), Text(args, 2));
             return Variant();
           }),
    Method(u"ApplyStyle", 6, ValueType::Void, kStyleName,
           [](Document& self, Arguments args) {
             self.ApplyStyle(Text(args, 0));
             return Variant();
           }),
    Method(u"ReplaceChar", 7, ValueType::Void, kReplaceCharParams,
           [](Document& self, Arguments args) {
             self.ReplaceChar(args[0]->ToLong(), Text(args, 1));
             return Variant();
           }),
    Method(u"TypeBackspace", 8, ValueType::Void, {},
           [](Document& self, Arguments) {
             self.TypeBackspace();
             return Variant();
           }),
    Method(u"TypeParagraph", 9, ValueType::Void, {},
           [](Document& self, Arguments) {
             self.TypeParagraph();
             return Variant();
           }),
    Method(u"TypeText", 10, ValueType::Void, kTypeTextParams,
           [](Document& self, Arguments args) {
             self.TypeText(Text(args, 0), Text(args, 1));
             return Variant();
           }),
    Method(u"MoveCursor", 11, ValueType::Void, kTarget,
           [](Document& self, Arguments args) {
             self.MoveCursor(Text(args, 0));
             return Variant();
           }),
    Method(u"CopyText", 12, ValueType::Void, kStartLength,
           [](Document& self, Arguments args) {
             self.CopyText(args[0]->ToLong(), args[1]->ToLong());
             return Variant();
           }),
    Method(u"CutText", 13, ValueType::Void, kStartLength,
           [](Document& self, Arguments args) {
             self.CutText(args[0]->ToLong(), args[1]->ToLong());
             return Variant();
           }),
    Method(u"PasteText", 14, ValueType::Void, {},
           [](Document& self, Arguments) {
             self.PasteText();
             return Variant();
           }),
    Method(u"DeleteText", 15, ValueType::Void, kStartLength,
           [](Document& self, Arguments args) {
             self.DeleteText(args[0]->ToLong(), args[1]->ToLong());
             return Variant();
           }),
    Method(u"SelectRange", 16, ValueType::Void, kStartLength,
           [](Document& self, Arguments args) {
             self.SelectRange(args[0]->ToLong(), args[1]->ToLong());
             return Variant();
           }),
    Method(u"GetSubscript", 17, ValueType::Void, kListenerParams,
           [](Document& self, Arguments args) {
             *args[2] = Variant(self.GetSubscript(args[0]->ToLong(), args[1]->ToLong()));
             return Variant();
           }),
    Method(u"GetSuperscript", 18, ValueType::Void, kListenerParams,
           [](Document& self, Arguments args) {
             *args[2] = Variant(self.GetSuperscript(args[0]->ToLong(), args[1]->ToLong()));
             return Variant();
           }),
};

}  // namespace

std::span<const MemberInfo<Document>> Document::Members() {
  return kMembers;
}

}  // namespace glyphwright
