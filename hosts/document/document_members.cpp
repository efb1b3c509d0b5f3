// The automation surface of Document: the Executer operations in the order the runner's
// contract lists them, then the FontListener operations.
#include "document/document.h"

namespace glyphwright {

MemberTable Document::Members() {
  static constexpr auto kMembers = Rows(
      Method<&Self::QueryValue>(u"QueryValue", 1, {u"value"}),
      Method<&Self::SetSubscript>(u"SetSubscript", 2, {u"Index", u"Length", u"flag"}),
      Method<&Self::SetSuperscript>(u"SetSuperscript", 3, {u"Index", u"Length", u"flag"}),
      Method<&Self::SetSmall>(u"SetSmall", 4, {u"Index", u"Length"}),
      Method<&Self::SetStyle>(u"SetStyle", 5, {u"Index", u"Length", u"StyleName"}),
      Method<&Self::ApplyStyle>(u"ApplyStyle", 6, {u"StyleName"}),
      Method<&Self::ReplaceChar>(u"ReplaceChar", 7, {u"Index", u"Code"}),
      Method<&Self::TypeBackspace>(u"TypeBackspace", 8),
      Method<&Self::TypeParagraph>(u"TypeParagraph", 9),
      Method<&Self::TypeText>(u"TypeText", 10, {u"Text", u"StyleName"}),
      Method<&Self::MoveCursor>(u"MoveCursor", 11, {u"Target"}),
      Method<&Self::CopyText>(u"CopyText", 12, {u"Start", u"Length"}),
      Method<&Self::CutText>(u"CutText", 13, {u"Start", u"Length"}),
      Method<&Self::PasteText>(u"PasteText", 14),
      Method<&Self::DeleteText>(u"DeleteText", 15, {u"Start", u"Length"}),
      Method<&Self::SelectRange>(u"SelectRange", 16, {u"Start", u"Length"}),
      // The listener writes its answer into Value.
      ListenerMethod<&Self::GetSubscript>(u"GetSubscript", 17, {u"Index", u"Length", u"Value"}),
      ListenerMethod<&Self::GetSuperscript>(u"GetSuperscript", 18,
                                            {u"Index", u"Length", u"Value"}));
  return kMembers;
}

}  // namespace glyphwright
