' The newer queries through Quillet.dll give the scripts the command line gives: every row of
' cli_scripts.tsv (ProgID, CLI query, setting, text, script), made by ProgID, its setting put by
' name, asked for the script of the text.

Function Unescaped(field)
  Unescaped = Replace(Replace(Replace(field, "\n", vbLf), "\t", vbTab), "\r", vbCr)
End Function

' Puts one "NAME=VALUE" setting the way a macro would, by the property's name.
Sub PutSetting(query, setting)
  Dim parts
  If setting = "-" Then Exit Sub
  parts = Split(setting, "=", 2)
  Select Case parts(0)
    Case "Style": query.Style = parts(1)
    Case "Sort": query.Sort = parts(1)
    Case "ShiftDecimals": query.ShiftDecimals = parts(1)
    Case "CouplingDecimals": query.CouplingDecimals = parts(1)
    Case "ItalicCommand": query.ItalicCommand = parts(1)
    Case "SmallCommand": query.SmallCommand = parts(1)
    Case Else: Check False, "cli_scripts.tsv: no property " & parts(0) & " to set"
  End Select
End Sub

Dim rows, row, fields, query, rowCount, seen
rows = Split(CreateObject("Scripting.FileSystemObject"). _
  OpenTextFile("cli_scripts.tsv", 1, False, -1).ReadAll, vbLf)
rowCount = 0
seen = ""
For Each row In rows
  row = Replace(row, vbCr, "")
  If row <> "" And Left(row, 1) <> "#" Then
    fields = Split(row, vbTab)
    If UBound(fields) <> 4 Then
      Check False, "cli_scripts.tsv: five fields in [" & row & "]"
    Else
      rowCount = rowCount + 1
      If InStr(seen, fields(0) & ";") = 0 Then seen = seen & fields(0) & ";"
      Set query = CreateObject(fields(0))
      PutSetting query, fields(2)
      CheckEqual query.GetCommands(Unescaped(fields(3))), Unescaped(fields(4)), _
        fields(1) & " " & fields(2) & " [" & fields(3) & "]"
    End If
  End If
Next
Check rowCount >= 10, "cli_scripts.tsv holds its rows (" & rowCount & ")"
CheckEqual seen, "Glyphwright.NMRStyleQuery;Glyphwright.ChemTextQuery;", "both queries are asked"

Finish "cli scripts"
