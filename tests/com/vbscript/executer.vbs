' A VBScript Executer that records every call the runner makes: the operations of each command
' word in order, the argument types, by-reference registers the host writes to, IgnoreError, and
' errors raised by the host.

Class Recorder
  Public Calls          ' one line a call: Operation(argument:Type, ...)
  Public WriteRegisters ' True: SetSubscript adds 10 to its Index register
  Public FailOn         ' an operation that raises error 1234
  Public Cursor         ' what QueryValue answers for "$CursorPosition"

  Private Sub Class_Initialize()
    Calls = ""
    WriteRegisters = False
    FailOn = ""
    Cursor = 42
  End Sub

  Private Function Typed(value)
    Typed = value & ":" & TypeName(value)
  End Function

  ' (Wine's VBScript has no Join.)
  Private Sub Note(operation, arguments)
    Dim text, argument
    text = ""
    For Each argument In arguments
      If text <> "" Then text = text & ", "
      text = text & argument
    Next
    Calls = Calls & operation & "(" & text & ")" & vbLf
    If operation = FailOn Then Err.Raise 1234, "Recorder", "The host refused " & operation & "."
  End Sub

  Public Function QueryValue(x)
    Note "QueryValue", Array(Typed(x))
    If x = "$CursorPosition" Then
      QueryValue = Cursor
    Else
      QueryValue = x
    End If
  End Function

  Public Sub SetSubscript(Index, Length, Flag)
    Note "SetSubscript", Array(Typed(Index), Typed(Length), Typed(Flag))
    If WriteRegisters Then Index = Index + 10
  End Sub

  Public Sub SetSuperscript(Index, Length, Flag)
    Note "SetSuperscript", Array(Typed(Index), Typed(Length), Typed(Flag))
  End Sub

  Public Sub SetSmall(Index, Length)
    Note "SetSmall", Array(Typed(Index), Typed(Length))
  End Sub

  Public Sub SetStyle(Index, Length, StyleName)
    Note "SetStyle", Array(Typed(Index), Typed(Length), Typed(StyleName))
  End Sub

  Public Sub ApplyStyle(StyleName)
    Note "ApplyStyle", Array(Typed(StyleName))
  End Sub

  Public Sub ReplaceChar(Index, Code)
    Note "ReplaceChar", Array(Typed(Index), Typed(Code))
  End Sub

  Public Sub TypeBackspace()
    Note "TypeBackspace", Array()
  End Sub

  Public Sub TypeParagraph()
    Note "TypeParagraph", Array()
  End Sub

  Public Sub TypeText(Value, StyleName)
    Note "TypeText", Array(Typed(Value), Typed(StyleName))
  End Sub

  Public Sub MoveCursor(Target)
    Note "MoveCursor", Array(Typed(Target))
  End Sub

  Public Sub CopyText(Start, Length)
    Note "CopyText", Array(Typed(Start), Typed(Length))
  End Sub

  Public Sub CutText(Start, Length)
    Note "CutText", Array(Typed(Start), Typed(Length))
  End Sub

  Public Sub PasteText()
    Note "PasteText", Array()
  End Sub

  Public Sub DeleteText(Start, Length)
    Note "DeleteText", Array(Typed(Start), Typed(Length))
  End Sub

  Public Sub SelectRange(Start, Length)
    Note "SelectRange", Array(Typed(Start), Typed(Length))
  End Sub
End Class

' An Executer with two operations only.
Class PartialExecuter
  Public Calls

  Private Sub Class_Initialize()
    Calls = ""
  End Sub

  Public Function QueryValue(x)
    Calls = Calls & "QueryValue(" & x & ")" & vbLf
    QueryValue = x
  End Function

  Public Sub SetSubscript(Index, Length, Flag)
    Calls = Calls & "SetSubscript(" & Index & ", " & Length & ", " & Flag & ")" & vbLf
  End Sub
End Class

Dim runner, host, partial
Set runner = CreateObject("Glyphwright.CommandRunner")
Set host = New Recorder
Set runner.Executer = host
Check runner.Executer Is host, "the runner holds the host's own object"

' Every command word and the calls it makes. Numbers arrive as Double, flags as Boolean, text
' registers and values as String.
runner.Run Script(Array("=2", "=3", "Subscript", "=1", "=1", "Small", "=0", "=4", "Italic", _
  "=0", "=4", "Chemical Small", "=NMR Spec Table", "ApplyStyle", "=10", "=8801", "ReplaceChar", _
  "TypeBackspace", "TypeParagraph", "=abc", "TypeText", "=J", "=Italic", "TypeStyledText", _
  "=EndOfSelection", "GoTo", "=3", "=2", "Copy", "Paste", "=0", "=1", "Cut", "=1", "=1", "Delete", _
  "=0", "=5", "Select", "=4", "=1", "NormalScript", "=1", "=2", "Superscript", "Bold?"))
CheckEqual host.Calls, Script(Array("QueryValue(2:String)", "QueryValue(3:String)", _
  "SetSubscript(2:Double, 3:Double, False:Boolean)", _
  "SetSuperscript(2:Double, 3:Double, False:Boolean)", _
  "SetSubscript(2:Double, 3:Double, True:Boolean)", _
  "QueryValue(1:String)", "QueryValue(1:String)", "SetSmall(1:Double, 1:Double)", _
  "QueryValue(0:String)", "QueryValue(4:String)", "SetStyle(0:Double, 4:Double, Italic:String)", _
  "QueryValue(0:String)", "QueryValue(4:String)", _
  "SetStyle(0:Double, 4:Double, Chemical Small:String)", _
  "QueryValue(NMR Spec Table:String)", "ApplyStyle(NMR Spec Table:String)", _
  "QueryValue(10:String)", "QueryValue(8801:String)", "ReplaceChar(10:String, 8801:String)", _
  "TypeBackspace()", "TypeParagraph()", _
  "QueryValue(abc:String)", "TypeText(abc:String, :String)", _
  "QueryValue(J:String)", "QueryValue(Italic:String)", "TypeText(J:String, Italic:String)", _
  "QueryValue(EndOfSelection:String)", "MoveCursor(EndOfSelection:String)", _
  "QueryValue(3:String)", "QueryValue(2:String)", "CopyText(3:Double, 2:Double)", "PasteText()", _
  "QueryValue(0:String)", "QueryValue(1:String)", "CutText(0:Double, 1:Double)", _
  "QueryValue(1:String)", "QueryValue(1:String)", "DeleteText(1:Double, 1:Double)", _
  "QueryValue(0:String)", "QueryValue(5:String)", "SelectRange(0:Double, 5:Double)", _
  "QueryValue(4:String)", "QueryValue(1:String)", _
  "SetSubscript(4:Double, 1:Double, False:Boolean)", _
  "SetSuperscript(4:Double, 1:Double, False:Boolean)", _
  "QueryValue(1:String)", "QueryValue(2:String)", _
  "SetSubscript(1:Double, 2:Double, False:Boolean)", _
  "SetSuperscript(1:Double, 2:Double, False:Boolean)", _
  "SetSuperscript(1:Double, 2:Double, True:Boolean)")), "every word's calls"

' The result of QueryValue is what is pushed: "$CursorPosition" and the result of Minus.
host.Calls = ""
runner.Run Script(Array("=$CursorPosition", "=1", "Minus", "GoTo"))
CheckEqual host.Calls, Script(Array("QueryValue($CursorPosition:String)", "QueryValue(1:String)", _
  "QueryValue(41:String)", "MoveCursor(41:String)")), "the cursor position from QueryValue"

' The registers go by reference: what the host writes, the next call of the same word receives.
host.Calls = ""
host.WriteRegisters = True
runner.Run Script(Array("=2", "=3", "Subscript"))
host.WriteRegisters = False
CheckEqual host.Calls, Script(Array("QueryValue(2:String)", "QueryValue(3:String)", _
  "SetSubscript(2:Double, 3:Double, False:Boolean)", _
  "SetSuperscript(12:Double, 3:Double, False:Boolean)", _
  "SetSubscript(12:Double, 3:Double, True:Boolean)")), "a register the host wrote"

' A host error stops the run and reaches the caller with the host's number; what was done stays
' done. Wine's VBScript hands the number over without the host's texts (the C++ client checks the
' texts), so either description is right.
Dim number, description
host.Calls = ""
host.FailOn = "SetSmall"
On Error Resume Next
runner.Run Script(Array("=1", "=1", "Italic", "=2", "=2", "Small", "=3", "=3", "Bold"))
number = Err.Number
description = Err.Description
Err.Clear
On Error GoTo 0
CheckEqual number, 1234, "the host's error number"
Check description = "The host refused SetSmall." Or _
  description = "Application-defined or object-defined error", "the host's error text: " & description
CheckEqual host.Calls, Script(Array("QueryValue(1:String)", "QueryValue(1:String)", _
  "SetStyle(1:Double, 1:Double, Italic:String)", "QueryValue(2:String)", "QueryValue(2:String)", _
  "SetSmall(2:Double, 2:Double)")), "nothing after the failing step"

' IgnoreError: the failing step is skipped and the run goes on.
host.Calls = ""
runner.IgnoreError = True
runner.Run Script(Array("=1", "=1", "Small", "=2", "=2", "Small"))
CheckEqual host.Calls, Script(Array("QueryValue(1:String)", "QueryValue(1:String)", _
  "SetSmall(1:Double, 1:Double)", "QueryValue(2:String)", "QueryValue(2:String)", _
  "SetSmall(2:Double, 2:Double)")), "IgnoreError goes on after a host error"
host.FailOn = ""

' An Executer with only QueryValue and SetSubscript: Subscript makes exactly two host calls.
Set partial = New PartialExecuter
Set runner.Executer = partial
runner.Run Script(Array("=3", "=2", "Subscript"))
CheckEqual partial.Calls, Script(Array("QueryValue(3)", "QueryValue(2)", _
  "SetSubscript(3, 2, False)", "SetSubscript(3, 2, True)")), "IgnoreError with a partial Executer"
runner.IgnoreError = False
On Error Resume Next
runner.Run Script(Array("=3", "=2", "Subscript"))
CheckEqual ErrorText(), "438: Object doesn't support this property or method", _
  "a missing operation without IgnoreError"
On Error GoTo 0

' The runner keeps the Executer alive on its own.
Set runner.Executer = New PartialExecuter
runner.IgnoreError = True
runner.Run Script(Array("=1", "=1", "Subscript"))
CheckEqual runner.Executer.Calls, Script(Array("QueryValue(1)", "QueryValue(1)", _
  "SetSubscript(1, 1, False)", "SetSubscript(1, 1, True)")), "an Executer only the runner holds"
Set runner = Nothing

Finish "executer"
