' The worked examples through Quillet.dll: each query's script, exactly, and the script run by a
' CommandRunner on a TextDocument (text_document.vbs), rendered with its formats as tags.

Dim ion, formula, name, journal, nmrTable, nmrList, document, commands, text, opening, row, closing

' Ion formulas.
Set ion = CreateObject("Glyphwright.IonFormulaQuery")
CheckEqual ion.GetCommands("SO42-"), _
  Script(Array("=2", "=2", "Subscript", "=3", "=2", "Superscript")), "SO42- script"
CheckEqual Formatted(ion, "SO42-").Rendered, "SO<sub>4</sub><sup>2-</sup>", "SO42- formatted"
CheckEqual ion.GetCommands("Fe3+"), _
  Script(Array("=2", "=1", "Subscript", "=2", "=2", "Superscript")), "Fe3+ script"
CheckEqual Formatted(ion, "[Fe(CN)6]3-").Rendered, "[Fe(CN)<sub>6</sub>]<sup>3-</sup>", _
  "[Fe(CN)6]3- formatted"
CheckEqual Formatted(ion, "Cu2+ + 2e-").Rendered, "Cu<sup>2+</sup> + 2e<sup>-</sup>", _
  "Cu2+ + 2e- formatted"
CheckEqual ion.GetCommands(UnicodeText("full-width ion")), ion.GetCommands("SO42-"), _
  "full-width SO42- is folded first"

' Chemical formulas.
Set formula = CreateObject("Glyphwright.ChemFormulaQuery")
CheckEqual formula.GetCommands("H2SO4"), _
  Script(Array("=1", "=1", "Subscript", "=4", "=1", "Subscript")), "H2SO4 script"
CheckEqual Formatted(formula, "H2SO4").Rendered, "H<sub>2</sub>SO<sub>4</sub>", "H2SO4 formatted"
CheckEqual formula.GetCommands("p-CH3C6H4C#N"), _
  Script(Array("=0", "=1", "Italic", "=4", "=1", "Subscript", "=6", "=1", "Subscript", _
    "=8", "=1", "Subscript", "=10", "=8801", "ReplaceChar")), "p-CH3C6H4C#N script"
CheckEqual Formatted(formula, "p-CH3C6H4C#N").Rendered, _
  "<i>p</i>-CH<sub>3</sub>C<sub>6</sub>H<sub>4</sub>C{8801}N", "p-CH3C6H4C#N formatted"
Set formula = CreateObject("Glyphwright.ChemFormulaQuery")
formula.ItalicCommand = "Chemical Italic"
CheckEqual formula.GetCommands("t-BuOH"), Script(Array("=0", "=1", "Chemical Italic")), _
  "t-BuOH with Chemical Italic"

' Chemical names.
Set name = CreateObject("Glyphwright.ChemNameQuery")
text = "(2S,3R)-N-tert-butyl-D-threonine"
CheckEqual name.GetCommands(text), _
  Script(Array("=10", "=4", "Italic", "=2", "=1", "Italic", "=5", "=1", "Italic", _
    "=2", "=1", "Italic", "=8", "=1", "Italic", "=21", "=1", "Small")), "name script"
CheckEqual Formatted(name, text).Rendered, _
  "(2<i>S</i>,3<i>R</i>)-<i>N</i>-<i>tert</i>-butyl-<small>D</small>-threonine", "name formatted"

' Journal references.
Set journal = CreateObject("Glyphwright.JournalQuery")
text = "J. Am. Chem. Soc. 1999, 121, 1234"
CheckEqual journal.GetCommands(text), _
  Script(Array("=0", "=17", "Italic", "=18", "=4", "Bold", "=24", "=3", "Italic")), _
  "journal script"
CheckEqual Formatted(journal, text).Rendered, _
  "<i>J. Am. Chem. Soc.</i> <b>1999</b>, <i>121</i>, 1234", "journal formatted"
CheckEqual journal.GetCommands("Tetrahedron Lett., 40, 1234 (1999)"), _
  Script(Array("=0", "=17", "Italic", "=19", "=2", "Bold")), "journal, year last"

' NMR: a running peak list rebuilt as a table.
Set nmrTable = CreateObject("Glyphwright.NMRSpecFormRQuery")
text = UnicodeText("nmr list")
CheckEqual Len(text), 61, "the peak list is 61 characters"
commands = nmrTable.GetCommands(text)
CheckEqual UBound(Split(commands, vbLf)), 58, "the table script has 58 lines"
opening = Script(Array("=61", "GoTo", "TypeParagraph", "=!", "TypeText", "=PrevChar", "GoTo"))
CheckEqual Left(commands, Len(opening)), opening, "the table script opens after the list"
Set document = Formatted(nmrTable, text)
CheckEqual document.Text, UnicodeText("nmr list result"), "the list as a table"
CheckEqual document.AppliedStyle, "NMR Spec Table", "the table's style"
CheckEqual document.StyledText, Mid(UnicodeText("nmr list result"), 19), "the rows are styled"
nmrTable.Strict = True
CheckEqual nmrTable.GetCommands(text), commands, "Strict changes nothing here"

' NMR: a peak table rewritten as a running list.
Set nmrList = CreateObject("Glyphwright.NMRSpecFormQuery")
text = "7.26" & vbTab & "1H" & vbTab & "d" & vbTab & "8.0" & vbCr & _
  "1.25" & vbTab & "3H" & vbTab & "t" & vbTab & "7.1"
commands = nmrList.GetCommands(text)
opening = Script(Array("=EndOfSelection", "GoTo", "TypeParagraph", "=!! ", "TypeText", _
  "=PrevChar", "GoTo", "=PrevChar", "GoTo"))
CheckEqual Left(commands, Len(opening)), opening, "the list script opens after the table"
row = Script(Array("=7.26", "TypeText", "= (", "TypeText", "=1H", "TypeText", "=, ", "TypeText", _
  "=d", "TypeText", "=, ", "TypeText", "=J", "=Italic", "TypeStyledText", "= = ", "TypeText", _
  "=8.0", "TypeText", "= Hz", "TypeText", "=, ", "TypeText", "TypeBackspace", "TypeBackspace", _
  "=)", "TypeText", "=, ", "TypeText"))
CheckEqual Mid(commands, Len(opening) + 1, Len(row)), row, "the first row of the list"
closing = Script(Array("=-1", "=$CursorPosition", "=28", "Minus", "=0", "=29", "Cut", _
  "TypeBackspace", "Select"))
CheckEqual Right(commands, Len(closing)), closing, "the list script closes by cutting the table"
CheckEqual Formatted(nmrList, text).Rendered, _
  "7.26 (1H, d, <i>J</i> = 8.0 Hz), 1.25 (3H, t, <i>J</i> = 7.1 Hz). ", "the table as a list"
nmrList.JValueStyle = 2
nmrList.SpecFormat = "J, 1H, d"
CheckEqual Formatted(nmrList, "7.10" & vbTab & "2H" & vbTab & "dd" & vbTab & "8.0, 2.0").Rendered, _
  "7.10 (<i>J</i> = 8.0, 2.0 Hz, 2H, dd). ", "JValueStyle 2 with the coupling first"

Finish "worked examples"
