' Put in front of every VBScript test of Quillet.dll by the runner. A test counts its own
' failures, prints one line for each failed check and ends with Finish, which prints the sentinel
' line and quits with the number of failures. Wine's cscript ignores an uncaught error and exits
' 0, so the runner wants both the sentinel and exit code 0.
Option Explicit

Dim failures, checks
failures = 0
checks = 0

Sub Check(condition, what)
  checks = checks + 1
  If Not condition Then
    failures = failures + 1
    WScript.Echo "FAIL: " & what
  End If
End Sub

Sub CheckEqual(actual, expected, what)
  checks = checks + 1
  If VarType(actual) <> VarType(expected) And Not (IsNumeric(actual) And IsNumeric(expected)) Then
    failures = failures + 1
    WScript.Echo "FAIL: " & what & ": got " & TypeName(actual) & " [" & Shown(actual) & _
      "], expected " & TypeName(expected) & " [" & Shown(expected) & "]"
  ElseIf actual <> expected Then
    failures = failures + 1
    WScript.Echo "FAIL: " & what & ": got [" & Shown(actual) & "], expected [" & Shown(expected) & "]"
  End If
End Sub

' Control characters made visible in a failure message.
Function Shown(value)
  Shown = Replace(Replace(Replace(CStr(value), vbLf, "\n"), vbCr, "\r"), vbTab, "\t")
End Function

' A command script: every line ended by LF.
Function Script(lines)
  Dim text, line
  text = ""
  For Each line In lines
    text = text & line & vbLf
  Next
  Script = text
End Function

' The error a statement left: "number: description" ("0: " for none). Clears it.
Function ErrorText()
  ErrorText = Err.Number & ": " & Err.Description
  Err.Clear
End Function

' Texts outside the ANSI code page, which a script file cannot hold (Wine's cscript reads it in the
' ANSI code page and its VBScript has no ChrW): the lines "name<TAB>text" of the UTF-16 file
' texts.txt beside the script. "\t" in a text stands for a tab, "\r" for a paragraph mark.
Dim unicodeTexts
Function UnicodeText(name)
  Dim line, parts
  If IsEmpty(unicodeTexts) Then
    unicodeTexts = Split(CreateObject("Scripting.FileSystemObject"). _
      OpenTextFile("texts.txt", 1, False, -1).ReadAll, vbLf)
  End If
  For Each line In unicodeTexts
    parts = Split(Replace(line, vbCr, ""), vbTab, 2)
    If UBound(parts) = 1 Then
      If parts(0) = name Then
        UnicodeText = Replace(Replace(parts(1), "\t", vbTab), "\r", vbCr)
        Exit Function
      End If
    End If
  Next
  Check False, "texts.txt has a text named " & name
End Function

Sub Finish(name)
  WScript.Echo name & ": " & checks & " checks, " & failures & " failed"
  WScript.Echo "GLYPHWRIGHT-VBSCRIPT-END"
  WScript.Quit failures
End Sub
