' VBScript FontListeners for ChemRDigitQuery: the next step from the state of the first digit
' run, the listener's Value written by reference (or answered as the result), and error 1 when no
' listener decides.

Class StateListener
  Public SubscriptState
  Public SuperscriptState
  Public Calls

  Private Sub Class_Initialize()
    SubscriptState = 0
    SuperscriptState = 0
    Calls = ""
  End Sub

  Public Sub GetSubscript(Index, Length, Value)
    Calls = Calls & "GetSubscript(" & Index & ", " & Length & ", " & Value & ")" & vbLf
    Value = SubscriptState
  End Sub

  Public Sub GetSuperscript(Index, Length, Value)
    Calls = Calls & "GetSuperscript(" & Index & ", " & Length & ", " & Value & ")" & vbLf
    Value = SuperscriptState
  End Sub
End Class

' Answers with its result and leaves Value alone.
Class AnsweringListener
  Public Function GetSubscript(Index, Length, Value)
    GetSubscript = -1
  End Function

  Public Function GetSuperscript(Index, Length, Value)
    GetSuperscript = 0
  End Function
End Class

Class SilentListener
  Public Sub Unrelated()
  End Sub
End Class

Dim digits, listener, units, document, i, rendered
Set digits = CreateObject("Glyphwright.ChemRDigitQuery")
Set listener = New StateListener
Set digits.FontListener = listener
Check digits.FontListener Is listener, "the query holds the host's listener"

' C6H12O6, first run plain: next subscript, and only the first run is asked about.
units = Array("=1", "=1", "Subscript", "=3", "=2", "Subscript", "=6", "=1", "Subscript")
CheckEqual digits.GetCommands("C6H12O6"), Script(units), "plain becomes subscript"
CheckEqual listener.Calls, Script(Array("GetSubscript(1, 1, 0)", "GetSuperscript(1, 1, 0)")), _
  "the listener is asked about the first run"
listener.SubscriptState = -1
CheckEqual digits.GetCommands("C6H12O6"), Script(Array("=1", "=1", "Superscript", "=3", "=2", _
  "Superscript", "=6", "=1", "Superscript")), "subscript becomes superscript"
listener.SubscriptState = 0
listener.SuperscriptState = -1
CheckEqual digits.GetCommands("C6H12O6"), Script(Array("=1", "=1", "NormalScript", "=3", "=2", _
  "NormalScript", "=6", "=1", "NormalScript")), "superscript becomes plain"
listener.SubscriptState = 9999999
CheckEqual digits.GetCommands("C6H12O6"), Script(units), "a mixed run becomes subscript"
listener.SubscriptState = 0
listener.SuperscriptState = 0
listener.Calls = ""
CheckEqual digits.GetCommands("text1-3"), Script(Array("=4", "=3", "Subscript")), "a range"
CheckEqual listener.Calls, Script(Array("GetSubscript(4, 3, 0)", "GetSuperscript(4, 3, 0)")), _
  "the range is asked about"
CheckEqual digits.GetCommands(UnicodeText("full-width digits")), Script(Array("=1", "=3", _
  "Subscript")), "full-width digits and tilde"
listener.Calls = ""
CheckEqual digits.GetCommands("no digits"), "", "no digit run"
CheckEqual listener.Calls, "", "no digit run, no question"

' A listener that answers with its result.
Set digits.FontListener = New AnsweringListener
CheckEqual digits.GetCommands("H2O"), Script(Array("=1", "=1", "Superscript")), _
  "a listener answering by result"

' Cycling on a document that is Executer and FontListener at once: H2O2 goes round.
Set document = New TextDocument
document.Load "H2O2"
Set digits.FontListener = document
Dim runner
Set runner = CreateObject("Glyphwright.CommandRunner")
Set runner.Executer = document
rendered = Array("H<sub>2</sub>O<sub>2</sub>", "H<sup>2</sup>O<sup>2</sup>", "H2O2", _
  "H<sub>2</sub>O<sub>2</sub>")
For i = 0 To 3
  runner.Run digits.GetCommands(document.Text)
  CheckEqual document.Rendered, rendered(i), "digit cycle step " & (i + 1)
Next

' Without a listener's decision the query fails with error 1.
Dim failing
failing = Array(Nothing, New FailingListener, New SilentListener)
For i = 0 To 2
  Set digits.FontListener = failing(i)
  On Error Resume Next
  units = digits.GetCommands("H2O")
  CheckEqual Err.Number & " " & Err.Description & " " & Err.Source, "1 Internal Error. Glyphwright", _
    "error 1 without a decision, listener " & i
  Err.Clear
  On Error GoTo 0
Next

Finish "font listener"
