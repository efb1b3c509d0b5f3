' CharacterisationQuery through Quillet.dll: the same scripts, formatting and findings as the
' command line and Python give.

Dim data, text
Set data = CreateObject("Glyphwright.CharacterisationQuery")
CheckEqual data.ItalicCommand, "Italic", "CharacterisationQuery.ItalicCommand default"

' The range hyphen becomes an en dash in place, by its signed 16-bit code.
CheckEqual data.GetCommands("mp 163-165 C"), Script(Array("=6", "=8211", "ReplaceChar")), _
  "melting range script"

text = "HRMS (ESI) m/z calcd for C10H13O2 [M+H]+ 165.0910, found 165.0912."
CheckEqual Formatted(data, text).Rendered, _
  "HRMS (ESI) <i>m/z</i> calcd for C<sub>10</sub>H<sub>13</sub>O<sub>2</sub> " & _
  "[M+H]<sup>+</sup> 165.0910, found 165.0912.", "HRMS formatted"
CheckEqual Formatted(data, "1H NMR (400 MHz, CDCl3) J = 8.0 Hz, Table S2, 5 mL").Rendered, _
  "<sup>1</sup>H NMR (400 MHz, CDCl<sub>3</sub>) <i>J</i> = 8.0 Hz, Table S2, 5 mL", _
  "NMR header formatted, the rest left alone"
CheckEqual data.GetCommands(UnicodeText("rotation")), _
  Script(Array("=26", "=1", "Subscript", "=3", "=1", "Subscript", "=4", "=2", "Superscript")), _
  "rotation script"

' The checker: one line per finding, as glyphwright check prints them.
CheckEqual data.CheckCharacterisation(text), "", "nothing wrong"
CheckEqual data.CheckCharacterisation("HRMS calcd for C10H13O2 [M+H]+ 165.0925"), _
  "31: The calcd m/z 165.0925 should be 165.0910 for C10H13O2 with charge 1+." & vbLf, _
  "a wrong calcd value"
CheckEqual data.CheckCharacterisation("Anal. Calcd for C10H12O2: C, 73.15; H, 7.37. " & _
  "Found: C, 72.70; H, 7.40."), _
  "55: The found C 72.70% is 0.45 from the calcd 73.15%; at most 0.40 is allowed." & vbLf, _
  "an analysis found too far off"

Finish "characterisation"
