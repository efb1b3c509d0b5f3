// The arguments of one IDispatch::Invoke in the library's call order: positional arguments
// reversed, named ones placed by their parameter index, the value of a property put last, and a
// left-out optional parameter with its default. By-reference arguments are read through their
// reference and written back after the call when the member changed them.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <vector>

#include "automation/member_table.h"

namespace glyphwright::com {

class DispatchArguments {
 public:
  // With row (the member being called) the arguments are checked against its parameters: 450 for
  // too many, 448 for a name it lacks, 449 for a left-out parameter that is not optional. Without
  // one they are taken as given.
  DispatchArguments(const DISPPARAMS& params, bool isPut, const MemberRow* row);

  Arguments Get() const { return Arguments(pointers_.data(), pointers_.size()); }

  // Stores every value the member changed back where the caller's by-reference argument points.
  void WriteBack() const;

 private:
  std::vector<Variant> values_;
  std::vector<Variant> received_;
  std::vector<Variant*> pointers_;
  std::vector<const VARIANT*> sources_;  // the caller's argument, when it is by reference
};

}  // namespace glyphwright::com
