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
