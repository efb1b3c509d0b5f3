// The members both NMR queries have, with the same dispatch identifiers in both: the two field
// orders and GetCommands. Each query's table lists them in its own interface order.
#pragma once

#include <string>

#include "automation/member_table.h"

namespace glyphwright {

template <class Query>
struct NmrSharedMembers {
  static constexpr ParamInfo kFormatValue[] = {{u"fmt", ValueType::String}};
  static constexpr ParamInfo kTextParams[] = {{u"Text", ValueType::String}};

  static constexpr MemberInfo<Query> kSpecFormatPut = {u"SpecFormat",
                                                       InvokeKind::PropertyPut,
                                                       0x68030001,
                                                       ValueType::String,
                                                       kFormatValue,
                                                       [](Query& self, Arguments args) {
                                                         self.SetSpecFormat(*args[0]->AsString());
                                                         return Variant();
                                                       }};
  static constexpr MemberInfo<Query> kSpecFormatGet = {
      u"SpecFormat",
      InvokeKind::PropertyGet,
      0x68030001,
      ValueType::String,
      {},
      [](Query& self, Arguments) { return Variant(self.SpecFormat()); }};
  static constexpr MemberInfo<Query> kTableFormatPut = {u"TableFormat",
                                                        InvokeKind::PropertyPut,
                                                        0x68030000,
                                                        ValueType::String,
                                                        kFormatValue,
                                                        [](Query& self, Arguments args) {
                                                          self.SetTableFormat(*args[0]->AsString());
                                                          return Variant();
                                                        }};
  static constexpr MemberInfo<Query> kGetCommands = {
      u"GetCommands",
      InvokeKind::Method,
      0x60030002,
      ValueType::String,
      kTextParams,
      [](Query& self, Arguments args) { return Variant(self.GetCommands(*args[0]->AsString())); }};
};

}  // namespace glyphwright
