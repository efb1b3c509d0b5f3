// HostEditing: the Executer operations as a C++ interface, for a host object that lives in the
// same process and wants its calls without late binding. An object offers it through
// Dispatch::Editing(); the runner then calls these members directly, with the same arguments,
// converted the same way, as the calls by name would carry to the object's member table.
//
// An object that offers this interface must declare the same operations in its member table with
// exactly these types (the runner's tests run every script both ways to hold it to that), and a
// call must neither re-enter the runner's Run nor keep the views it is given.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace glyphwright {

class HostEditing {
 public:
  // QueryValue's answer as the text the runner stores, written into answer (whose room the
  // runner reuses from value to value).
  virtual void QueryValueText(std::u16string_view value, std::u16string& answer) const = 0;
  // True when QueryValue answers every decimal integer the way the builders write one ("0",
  // "17", "-3") unchanged and does nothing else, now and for as long as the object lives: the
  // runner may then use such a value as it stands and leave the call out. An object that answers
  // True and derives from another must answer for its own QueryValue too.
  virtual bool QueryValueKeepsIntegers() const { return false; }
  virtual void SetSubscript(int32_t Index, int32_t Length, bool flag) = 0;
  virtual void SetSuperscript(int32_t Index, int32_t Length, bool flag) = 0;
  virtual void SetSmall(int32_t Index, int32_t Length) = 0;
  virtual void SetStyle(int32_t Index, int32_t Length, std::u16string_view StyleName) = 0;
  virtual void ApplyStyle(std::u16string_view StyleName) = 0;
  virtual void ReplaceChar(int32_t Index, std::u16string_view Code) = 0;
  virtual void TypeBackspace() = 0;
  virtual void TypeParagraph() = 0;
  virtual void TypeText(std::u16string_view Text, std::u16string_view StyleName) = 0;
  virtual void MoveCursor(std::u16string_view Target) = 0;
  virtual void CopyText(int32_t Start, int32_t Length) = 0;
  virtual void CutText(int32_t Start, int32_t Length) = 0;
  virtual void PasteText() = 0;
  virtual void DeleteText(int32_t Start, int32_t Length) = 0;
  virtual void SelectRange(int32_t Start, int32_t Length) = 0;

 protected:
  ~HostEditing() = default;
};

}  // namespace glyphwright
