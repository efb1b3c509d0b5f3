' NMRStyleQuery through Quillet.dll: its settings by name, their errors, and a peak list restyled
' on a TextDocument, the assignment copied with its formatting.

Dim nmr, acs, document, runner, at
Set nmr = CreateObject("Glyphwright.NMRStyleQuery")
CheckEqual nmr.Style, "ACS", "Style default"
CheckEqual nmr.Sort, "Descending", "Sort default"
CheckEqual nmr.ShiftDecimals, -2, "ShiftDecimals default (the nucleus's usual)"
CheckEqual nmr.CouplingDecimals, 1, "CouplingDecimals default"

' Names of styles and orders in any letter case read back as the query writes them; numbers
' arrive as texts or fractions, converted as late binding converts them.
nmr.Style = "rsc"
CheckEqual nmr.Style, "RSC", "Style put in lowercase"
nmr.Style = "JMEDCHEM"
CheckEqual nmr.Style, "JMedChem", "Style put in capitals"
nmr.Sort = "astyped"
CheckEqual nmr.Sort, "AsTyped", "Sort put in lowercase"
nmr.ShiftDecimals = "3"
CheckEqual nmr.ShiftDecimals, 3, "ShiftDecimals put as a text"
nmr.CouplingDecimals = 2.5
CheckEqual nmr.CouplingDecimals, 2, "CouplingDecimals rounds half to even"

' Errors: a bad value is error 1 naming it and leaves the setting as it was.
On Error Resume Next
nmr.Style = "Nature"
CheckEqual ErrorText(), "1: Style is ACS, RSC, JMedChem, Wiley, Elsevier or Chemotion, not " & _
  """Nature"".", "an unknown style"
CheckEqual nmr.Style, "JMedChem", "a refused style changes nothing"
nmr.Sort = "Random"
CheckEqual ErrorText(), "1: Sort is Descending, Ascending or AsTyped, not ""Random"".", _
  "an unknown order"
nmr.ShiftDecimals = 7
CheckEqual ErrorText(), "1: ShiftDecimals is -2 (the nucleus's usual), -1 (as typed) or 0 to 6.", _
  "too many shift decimals"
CheckEqual nmr.ShiftDecimals, 3, "refused decimals change nothing"
nmr.CouplingDecimals = -2
CheckEqual ErrorText(), "1: CouplingDecimals is -1 (as typed) or 0 to 6.", "coupling decimals -2"
nmr.ShiftDecimals = "many"
CheckEqual ErrorText(), "13: Type mismatch", "a Long given a word"
nmr.Journal = "ACS"
CheckEqual Err.Number, 438, "a property the class does not have"
Err.Clear
Set nmr = CreateObject("Glyphwright.NMRStyleQuery")
Dim unused
unused = nmr.GetCommands("1H NMR (400 MHz, CDCl3) d 7.26 (1H, s).")
CheckEqual Err.Number & ": " & Err.Description & " (" & Err.Source & ")", _
  "1: Missing chemical shift at offset 24. (Glyphwright)", "a list that cannot be read"
Err.Clear
unused = nmr.GetCommands("")
CheckEqual ErrorText(), "1: There is no peak list in the text.", "no list at all"
On Error GoTo 0

' ACS to RSC on a document whose assignment has an italic H: the new list is typed, formatted
' and selected, the old one removed, the assignment copied as it was.
acs = UnicodeText("nmr style acs")
Set document = New TextDocument
document.Load acs
at = InStr(acs, "H-3") - 1
document.SetStyle at, 1, "Italic"
Set runner = CreateObject("Glyphwright.CommandRunner")
Set runner.Executer = document
nmr.Style = "RSC"
runner.Run nmr.GetCommands(document.Text)
CheckEqual document.Rendered, UnicodeText("nmr style rsc rendered"), "ACS restyled as RSC"
CheckEqual document.Text, UnicodeText("nmr style rsc"), "the RSC text"
runner.Run nmr.GetCommands(document.Text)
CheckEqual document.Rendered, UnicodeText("nmr style rsc rendered"), "restyled twice is restyled once"

' And back: RSC to ACS gives the ACS text again.
nmr.Style = "ACS"
Set document = New TextDocument
document.Load UnicodeText("nmr style rsc")
Set runner.Executer = document
runner.Run nmr.GetCommands(document.Text)
CheckEqual document.Text, acs, "RSC restyled as ACS is the ACS text"
CheckEqual document.Rendered, UnicodeText("nmr style acs rendered"), "RSC restyled as ACS"
Set runner.Executer = Nothing

' Why the list-to-table query answers a list with no script, and where its reader stopped; "" for
' a list it reads. The Word macro NMRListToTable shows this under its message.
CheckEqual nmr.ExplainPeakList(UnicodeText("unreadable list"), "", False), _
  UnicodeText("unreadable list reason"), "the reason a list cannot be read"
CheckEqual nmr.ExplainPeakList(UnicodeText("list without counts"), "", False), "", _
  "a list that reads"
CheckEqual Left(nmr.ExplainPeakList(UnicodeText("list without counts"), "", True), 24), _
  "Missing number and atom.", "the strict reader asks for counts"

Finish "nmr style"
