#include "automation/run_time_errors.h"

namespace glyphwright {
namespace {

struct RunTimeError {
  int32_t number;
  std::u16string_view text;
};

constexpr RunTimeError kRunTimeErrors[] = {
    {5, u"Invalid procedure call or argument"},
    {6, u"Overflow"},
    {7, u"Out of memory"},
    {9, u"Subscript out of range"},
    {11, u"Division by zero"},
    {13, u"Type mismatch"},
    {51, u"Internal error"},
    {53, u"File not found"},
    {57, u"Device I/O error"},
    {67, u"Too many files"},
    {70, u"Permission denied"},
    {75, u"Path/File access error"},
    {76, u"Path not found"},
    {91, u"Object variable or With block variable not set"},
    {94, u"Invalid use of Null"},
    {424, u"Object required"},
    {429, u"ActiveX component can't create object"},
    {430, u"Class does not support Automation or does not support expected interface"},
    {438, u"Object doesn't support this property or method"},
    {440, u"Automation error"},
    {448, u"Named argument not found"},
    {449, u"Argument not optional"},
    {450, u"Wrong number of arguments or invalid property assignment"},
};

}  // namespace

std::u16string_view StandardErrorText(int32_t number) {
  for (const RunTimeError& error : kRunTimeErrors) {
    if (error.number == number) return error.text;
  }
  if (number < 0) return u"Automation error";
  return u"Application-defined or object-defined error";
}

}  // namespace glyphwright
