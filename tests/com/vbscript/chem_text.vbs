' ChemTextQuery through Quillet.dll: its settings by name, a paragraph formatted on a TextDocument,
' and the host's FontListener asked what is already subscript or superscript, so that formatting
' done by hand stays and a second pass changes nothing.

' Reports every character as subscript and none as superscript, and notes what it is asked.
Class SubscriptListener
  Public Calls

  Private Sub Class_Initialize()
    Calls = ""
  End Sub

  Public Sub GetSubscript(Index, Length, Value)
    Calls = Calls & "GetSubscript(" & Index & ", " & Length & ")" & vbLf
    Value = -1
  End Sub

  Public Sub GetSuperscript(Index, Length, Value)
    Calls = Calls & "GetSuperscript(" & Index & ", " & Length & ")" & vbLf
    Value = 0
  End Sub
End Class

Dim chem, text, plain, listener, document, runner, once
Set chem = CreateObject("Glyphwright.ChemTextQuery")
CheckEqual chem.ItalicCommand, "Italic", "ItalicCommand default"
CheckEqual chem.SmallCommand, "Small", "SmallCommand default"
Check chem.FontListener Is Nothing, "no FontListener at first"

' The command words go into the script as set before the object's first GetCommands.
chem.ItalicCommand = "Chemical Italic"
chem.SmallCommand = "Chemical Small"
CheckEqual chem.ItalicCommand, "Chemical Italic", "ItalicCommand put"
CheckEqual chem.SmallCommand, "Chemical Small", "SmallCommand put"
CheckEqual chem.GetCommands("(R)-2-butanol"), Script(Array("=1", "=1", "Chemical Italic")), _
  "the italic command word"
CheckEqual chem.GetCommands("D-glucose"), Script(Array("=0", "=1", "Chemical Small")), _
  "the small-capital command word"
Set chem = CreateObject("Glyphwright.ChemTextQuery")
CheckEqual chem.GetCommands("Table 2 lists A549 cells, COVID-19 and 5 mL in 2019."), "", _
  "no chemistry, no script"
On Error Resume Next
chem.Journal = 1
CheckEqual Err.Number, 438, "a property the class does not have"
Err.Clear
chem.ItalicCommand = Array(1, 2)
CheckEqual ErrorText(), "13: Type mismatch", "a String given an array"
On Error GoTo 0

' A paragraph, formatted on a document, as the command line renders it.
text = UnicodeText("chem text")
CheckEqual Formatted(chem, text).Rendered, UnicodeText("chem text rendered"), "a paragraph formatted"

' A listener that calls everything subscript: the superscript mass number of 1H NMR is left
' alone, the subscripts still come; each unit is asked about alone.
plain = chem.GetCommands("H2O, 1H NMR")
CheckEqual plain, Script(Array("=1", "=1", "Subscript", "=5", "=1", "Superscript")), _
  "without a listener"
Set listener = New SubscriptListener
Set chem.FontListener = listener
Check chem.FontListener Is listener, "the query holds the host's listener"
CheckEqual chem.GetCommands("H2O, 1H NMR"), Script(Array("=1", "=1", "Subscript")), _
  "what the host calls subscript is not made superscript"
CheckEqual listener.Calls, Script(Array("GetSuperscript(1, 1)", "GetSubscript(5, 1)")), _
  "the listener is asked about each unit"

' The document as listener: a mass number subscripted by hand stays so, and a second pass over
' the formatted paragraph changes nothing.
Set document = New TextDocument
document.Load "H2O, 1H NMR and CDCl3"
document.SetSubscript 5, 1, True
Set chem.FontListener = document
Set runner = CreateObject("Glyphwright.CommandRunner")
Set runner.Executer = document
runner.Run chem.GetCommands(document.Text)
once = document.Rendered
CheckEqual once, "H<sub>2</sub>O, <sub>1</sub>H NMR and CDCl<sub>3</sub>", _
  "formatting done by hand stays"
runner.Run chem.GetCommands(document.Text)
CheckEqual document.Rendered, once, "a second pass changes nothing"
Set runner.Executer = Nothing

' A listener's error stops the query.
Set chem.FontListener = New FailingListener
On Error Resume Next
once = chem.GetCommands("H2O")
CheckEqual ErrorText(), "5: Invalid procedure call or argument", _
  "a failing listener's error reaches the caller with its number"
On Error GoTo 0
Set chem.FontListener = Nothing
CheckEqual chem.GetCommands("H2O"), Script(Array("=1", "=1", "Subscript")), "the listener let go"

Finish "chem text"
