Attribute VB_Name = "Glyphwright"
' Glyphwright for Word: each macro formats the selection with one query of Quillet.dll, through
' a CommandRunner whose Executer is a WordExecuter over the selection. One Undo undoes it all.
Option Explicit

Public Sub FormatChemicalFormula()
    FormatSelection "Glyphwright.ChemFormulaQuery", "Chemical formula"
End Sub

Public Sub FormatIonFormula()
    FormatSelection "Glyphwright.IonFormulaQuery", "Ion formula"
End Sub

Public Sub FormatChemicalName()
    FormatSelection "Glyphwright.ChemNameQuery", "Chemical name"
End Sub

Public Sub FormatJournalReference()
    FormatSelection "Glyphwright.JournalQuery", "Journal reference"
End Sub

' Steps the digit runs of the selection: plain, subscript, superscript, plain again.
Public Sub CycleDigits()
    FormatSelection "Glyphwright.ChemRDigitQuery", "Digits"
End Sub

' A running NMR peak list rebuilt as a table in the paragraph style "NMR Spec Table".
Public Sub NMRListToTable()
    FormatSelection "Glyphwright.NMRSpecFormRQuery", "NMR table"
End Sub

' An NMR peak table (TAB-separated rows) rewritten as a running peak list.
Public Sub NMRTableToList()
    FormatSelection "Glyphwright.NMRSpecFormQuery", "NMR list"
End Sub

' A paragraph of characterisation data: formulas, ranges, [alpha]D, IR units, Rf, NMR headers, HRMS.
Public Sub FormatCharacterisationData()
    FormatSelection "Glyphwright.CharacterisationQuery", "Characterisation data"
End Sub

' The checker's findings for the selection, one at a time: each selects its number or formula
' and shows its message; Cancel stops.
Public Sub CheckCharacterisationData()
    Dim host As WordExecuter, query As Object, findings As String, lines() As String
    Dim i As Long, colon As Long, offset As Long, message As String, text As String
    If Selection.Type <> wdSelectionNormal Then Exit Sub
    Set host = New WordExecuter
    host.Attach Selection.Range
    text = host.Text
    Set query = CreateObject("Glyphwright.CharacterisationQuery")
    On Error GoTo Failed
    findings = query.CheckCharacterisation(text)
    On Error GoTo 0
    If findings = "" Then
        MsgBox "Nothing is wrong: every HRMS and analysis value agrees with its formula.", _
            vbInformation, "Characterisation data"
        Exit Sub
    End If
    lines = Split(findings, vbLf)
    For i = 0 To UBound(lines)
        If lines(i) <> "" Then
            colon = InStr(lines(i), ": ")
            offset = CLng(Left(lines(i), colon - 1))
            message = Mid(lines(i), colon + 2)
            host.SelectRange offset, FaultLength(text, offset)
            If MsgBox(message, vbOKCancel + vbExclamation, "Characterisation data: finding " & _
                (i + 1) & " of " & UBound(lines)) = vbCancel Then Exit Sub
        End If
    Next
    Exit Sub
Failed:
    MsgBox "Glyphwright error " & Err.Number & ": " & Err.Description, vbExclamation, Err.Source
End Sub

' The length of the number or formula at offset (0-based): up to a blank or punctuation, without
' a full stop or closing bracket that ends the sentence.
Private Function FaultLength(text As String, offset As Long) As Long
    Dim last As Long
    last = offset + 1
    Do While last <= Len(text)
        If InStr(" " & vbTab & vbCr & vbLf & ",;:", Mid(text, last, 1)) > 0 Then Exit Do
        last = last + 1
    Loop
    Do While last - 1 > offset + 1 And InStr(".)", Mid(text, last - 1, 1)) > 0
        last = last - 1
    Loop
    FaultLength = last - 1 - offset
End Function

Private Sub FormatSelection(progId As String, undoName As String)
    Dim host As WordExecuter, query As Object, runner As Object
    If Selection.Type <> wdSelectionNormal Then Exit Sub
    Set host = New WordExecuter
    host.Attach Selection.Range
    Set query = CreateObject(progId)
    If progId = "Glyphwright.ChemRDigitQuery" Then Set query.FontListener = host
    Set runner = CreateObject("Glyphwright.CommandRunner")
    Set runner.Executer = host

    Application.UndoRecord.StartCustomRecord "Glyphwright: " & undoName
    On Error GoTo Failed
    runner.Run query.GetCommands(host.Text)
    Application.UndoRecord.EndCustomRecord
    Exit Sub
Failed:
    Application.UndoRecord.EndCustomRecord
    MsgBox "Glyphwright error " & Err.Number & ": " & Err.Description, vbExclamation, Err.Source
End Sub
