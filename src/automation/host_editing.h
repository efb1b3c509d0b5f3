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

// The script state the words NormalScript, Subscript and Superscript leave on their range.
enum class ScriptState : uint8_t { Normal, Subscript, Superscript };

class HostEditing {
 public:
  // QueryValue's answer as the text the runner stores, written into answer (whose room the
  // runner reuses from value to value).
  virtual void QueryValueText(std::u16string_view value, std::u16string& answer) const = 0;
  // True when QueryValue answers every decimal integer the way the builders write one ("0",
  // "17", "-3") unchanged and does nothing else, now and for as long as the object lives: the
  // runner may then use such a value as it stands and leave the call out. A class derived from
  // one that answers true must answer for its own QueryValue (the reference document answers
  // false for any class derived from it).
  virtual bool QueryValueKeepsIntegers() const { return false; }
  virtual void SetSubscript(int32_t Index, int32_t Length, bool flag) = 0;
  virtual void SetSuperscript(int32_t Index, int32_t Length, bool flag) = 0;
  // The three calls of a script word at once: what SetSubscript(False), SetSuperscript(False)
  // and then, for Subscript or Superscript, that one's call with True do when the runner makes
  // them one after another. Answers false, having done nothing, when the object cannot promise
  // that (the default): the runner then makes those calls itself, each a step of its own. An
  // object that answers true raises no error and reaches nothing outside itself in the call; one
  // that derives from another whose calls it changes must answer false.
  virtual bool SetScriptState(int32_t /*Index*/, int32_t /*Length*/, ScriptState /*state*/) {
    return false;
  }
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
