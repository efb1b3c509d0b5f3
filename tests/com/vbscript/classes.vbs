' Every public class created by its ProgID and called by name: property defaults, puts and gets,
' argument coercion, and the run time's errors for what a class does not have.

Dim progIds, progId, made
progIds = Array("Glyphwright.CommandRunner", "Glyphwright.ChemFormulaQuery", _
  "Glyphwright.IonFormulaQuery", "Glyphwright.ChemRDigitQuery", "Glyphwright.ChemNameQuery", _
  "Glyphwright.JournalQuery", "Glyphwright.NMRSpecFormQuery", "Glyphwright.NMRSpecFormRQuery", _
  "Glyphwright.CharacterisationQuery")
For Each progId In progIds
  Set made = Nothing
  On Error Resume Next
  Set made = CreateObject(progId)
  CheckEqual ErrorText(), "0: ", "CreateObject " & progId
  On Error GoTo 0
  Check Not made Is Nothing, progId & " made"
Next

' ProgIDs ignore letter case; a class that is not public cannot be made.
On Error Resume Next
Set made = CreateObject("glyphwright.ionformulaquery")
CheckEqual ErrorText(), "0: ", "a ProgID in other letter case"
Set made = CreateObject("Glyphwright.ChemKeywordsQuery")
CheckEqual Err.Number, 429, "a private class has no ProgID"
Err.Clear
On Error GoTo 0

' CommandRunner
Dim runner
Set runner = CreateObject("Glyphwright.CommandRunner")
Check runner.Executer Is Nothing, "a new runner has no Executer"
CheckEqual runner.IgnoreError, False, "a new runner does not ignore errors"
runner.IgnoreError = True
CheckEqual runner.IgnoreError, True, "IgnoreError put True"
runner.IgnoreError = "False"
CheckEqual runner.IgnoreError, False, "a Boolean takes the text False"
runner.IgnoreError = 1
CheckEqual runner.IgnoreError, True, "a Boolean takes a number that is not 0"
runner.IgnoreError = False
On Error Resume Next
runner.Run ""
CheckEqual ErrorText(), "0: ", "an empty script runs without an Executer"
runner.Run Script(Array("=1"))
CheckEqual ErrorText(), "91: Object variable or With block variable not set", _
  "a value line without an Executer"
runner.IgnoreError = True
runner.Run Script(Array("=1", "=2", "Subscript"))
CheckEqual ErrorText(), "0: ", "without an Executer, ignoring errors"
On Error GoTo 0

' ChemFormulaQuery
Dim formula
Set formula = CreateObject("Glyphwright.ChemFormulaQuery")
CheckEqual formula.ItalicCommand, "Italic", "ChemFormulaQuery.ItalicCommand default"
formula.ItalicCommand = "Chemical Italic"
CheckEqual formula.ItalicCommand, "Chemical Italic", "ChemFormulaQuery.ItalicCommand put"
CheckEqual formula.GetCommands(""), "", "an empty formula"

' IonFormulaQuery: a String parameter takes any value as its text.
Dim ion
Set ion = CreateObject("Glyphwright.IonFormulaQuery")
CheckEqual ion.GetCommands(42), "", "a number as the text of an ion"
CheckEqual ion.GetCommands("NH4+"), Script(Array("=2", "=1", "Subscript", "=2", "=2", "Superscript")), "NH4+"

' ChemRDigitQuery
Dim digits
Set digits = CreateObject("Glyphwright.ChemRDigitQuery")
Check digits.FontListener Is Nothing, "a new digit query has no FontListener"
CheckEqual digits.QueryValue("$CursorPosition"), "$CursorPosition", "QueryValue keeps its value"
CheckEqual digits.GetCommands("2 apples"), "", "no digit run: the listener is not asked"
On Error Resume Next
digits.SetSubscript 1, 1
CheckEqual ErrorText(), "91: Object variable or With block variable not set", _
  "SetSubscript without a FontListener"
On Error GoTo 0

' ChemNameQuery
Dim name
Set name = CreateObject("Glyphwright.ChemNameQuery")
CheckEqual name.ItalicCommand, "Italic", "ChemNameQuery.ItalicCommand default"
CheckEqual name.SmallCommand, "Small", "ChemNameQuery.SmallCommand default"
name.SmallCommand = "Chemical Small"
CheckEqual name.SmallCommand, "Chemical Small", "ChemNameQuery.SmallCommand put"

' JournalQuery
Dim journal
Set journal = CreateObject("Glyphwright.JournalQuery")
CheckEqual journal.GetCommands("Tetrahedron Lett., 1999, 40, 1234"), _
  Script(Array("=0", "=17", "Italic", "=25", "=2", "Bold")), "Tetrahedron Lett., 1999, 40, 1234"

' NMRSpecFormQuery: Long coercion rounds half to even; TableFormat has no get.
Dim table
Set table = CreateObject("Glyphwright.NMRSpecFormQuery")
CheckEqual table.JValueStyle, 1, "JValueStyle default"
table.JValueStyle = "2"
CheckEqual table.JValueStyle, 2, "a Long takes text"
table.JValueStyle = 2.5
CheckEqual table.JValueStyle, 2, "2.5 rounds to even"
table.JValueStyle = 3.5
CheckEqual table.JValueStyle, 4, "3.5 rounds to even"
CheckEqual table.SpecFormat, "1H, d, J", "SpecFormat default"
table.SpecFormat = "J, 1H, d"
CheckEqual table.SpecFormat, "J, 1H, d", "SpecFormat put"
table.TableFormat = "d, 1H, J"
Dim value
On Error Resume Next
value = table.TableFormat
CheckEqual ErrorText(), "438: Object doesn't support this property or method", "TableFormat get"
table.JValueStyle = "many"
CheckEqual ErrorText(), "13: Type mismatch", "a Long from a text that is no number"
value = table.GetCommands("no peaks here")
CheckEqual Err.Number, 1, "a table without a shift"
CheckEqual Err.Description, "Chemical shift is missing.", "its description"
CheckEqual Err.Source, "Glyphwright", "its source"
Err.Clear
On Error GoTo 0

' NMRSpecFormRQuery
Dim list
Set list = CreateObject("Glyphwright.NMRSpecFormRQuery")
CheckEqual list.Strict, False, "Strict default"
list.Strict = True
CheckEqual list.Strict, True, "Strict put"
CheckEqual list.GetCommands(UnicodeText("delta") & " 7.26, 1.25."), "", "Strict: peaks without count fail, empty script"
list.Strict = False
CheckEqual list.SpecFormat, "1H, d, J", "NMRSpecFormRQuery.SpecFormat default"

' What a class does not have, and wrong argument counts.
On Error Resume Next
ion.Frobnicate
CheckEqual ErrorText(), "438: Object doesn't support this property or method", "an unknown member"
value = ion.GetCommands()
CheckEqual ErrorText(), "449: Argument not optional", "GetCommands without its text"
value = ion.GetCommands("a", "b")
CheckEqual ErrorText(), "450: Wrong number of arguments or invalid property assignment", _
  "GetCommands with two texts"
digits.SetSubscript 1, 1, 5, 7
CheckEqual ErrorText(), "450: Wrong number of arguments or invalid property assignment", _
  "SetSubscript with four arguments"
Set runner.Executer = Nothing
CheckEqual ErrorText(), "0: ", "Executer set to Nothing"
On Error GoTo 0

' One of our own objects given back to us stays the same object, and is called directly.
Set runner.Executer = digits
Check runner.Executer Is digits, "the Executer read back is the object that was set"
runner.IgnoreError = False
On Error Resume Next
runner.Run Script(Array("=x"))
CheckEqual ErrorText(), "0: ", "QueryValue of a digit query as Executer"
runner.Run Script(Array("=1", "=2", "Small"))
CheckEqual ErrorText(), "438: Object doesn't support this property or method", _
  "a digit query has no SetSmall"
On Error GoTo 0
Set runner.Executer = Nothing
Check runner.Executer Is Nothing, "Executer set back to Nothing"

Finish "classes"
