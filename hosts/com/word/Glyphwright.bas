Attribute VB_Name = "Glyphwright"
' Glyphwright for Word: each macro formats the selection with one query of Quillet.dll, through
' a CommandRunner whose Executer is a WordExecuter over the selection. One Undo undoes it all.
Option Explicit

' Esc stops the bulk pass: Word raises no error a macro can catch for it, so the pass asks the
' keyboard between paragraphs.
#If VBA7 Then
Private Declare PtrSafe Function GetAsyncKeyState Lib "user32" (ByVal vKey As Long) As Integer
#Else
Private Declare Function GetAsyncKeyState Lib "user32" (ByVal vKey As Long) As Integer
#End If

' Where ChooseNMRStyle keeps the style of RestyleNMRData (the user's VBA settings in the registry).
Private Const SettingsName As String = "Glyphwright"
Private Const NMRSection As String = "NMRStyleQuery"
Private Const DefaultNMRStyle As String = "ACS"
' How many paragraphs the bulk pass formats between two looks at the status bar and the Esc key.
Private Const ParagraphsPerStep As Long = 20

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
    FormatSelection "Glyphwright.NMRSpecFormRQuery", "NMR table", _
        "The selection is not an NMR peak list that can be read."
End Sub

' An NMR peak table (TAB-separated rows) rewritten as a running peak list.
Public Sub NMRTableToList()
    FormatSelection "Glyphwright.NMRSpecFormQuery", "NMR list"
End Sub

' A running NMR peak list with its header, in any common style, rewritten in the journal style
' that ChooseNMRStyle chose (ACS at first).
Public Sub RestyleNMRData()
    Dim query As Object
    Set query = CreateObject("Glyphwright.NMRStyleQuery")
    On Error GoTo Refused
    query.Style = GetSetting(SettingsName, NMRSection, "Style", DefaultNMRStyle)
    On Error GoTo 0
    FormatWith query, "Restyle NMR data"
    Exit Sub
Refused:
    MsgBox "The saved NMR style cannot be used: " & Err.Description & vbLf & _
        "Run ChooseNMRStyle to choose another.", vbExclamation, "Restyle NMR data"
End Sub

' Asks for the journal style of RestyleNMRData and keeps it for the next runs. The query itself
' checks the name, so the styles offered are exactly the ones it writes.
Public Sub ChooseNMRStyle()
    Dim query As Object, answer As String
    Set query = CreateObject("Glyphwright.NMRStyleQuery")
    answer = InputBox("The journal style of Restyle NMR Data: ACS, RSC, JMedChem, Wiley, " & _
        "Elsevier or Chemotion.", "NMR style", GetSetting(SettingsName, NMRSection, "Style", _
        DefaultNMRStyle))
    If answer = "" Then Exit Sub
    On Error GoTo Refused
    query.Style = answer
    On Error GoTo 0
    SaveSetting SettingsName, NMRSection, "Style", query.Style
    Exit Sub
Refused:
    MsgBox Err.Description, vbExclamation, "NMR style"
End Sub

' Everything chemical in the selection's running text (formulas, ions, names, references, NMR
' headers and couplings), each formatted as its own macro would; labels, quantities, codes and
' words are left alone. What is already subscript or superscript stays as it is.
Public Sub FormatEverythingInSelection()
    Dim parts As New Collection
    If Selection.Type <> wdSelectionNormal Then Exit Sub
    parts.Add Selection.Range
    FormatEverything parts, "Format everything in selection"
End Sub

' The same for the whole document: the body text with its tables, the footnotes and the endnotes.
Public Sub FormatEverythingInDocument()
    Dim parts As New Collection, story As Range
    For Each story In ActiveDocument.StoryRanges
        Select Case story.StoryType
            Case wdMainTextStory, wdFootnotesStory, wdEndnotesStory: parts.Add story
        End Select
    Next story
    FormatEverything parts, "Format everything in document"
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

Private Sub FormatSelection(progId As String, undoName As String, Optional unreadable As String)
    FormatWith CreateObject(progId), undoName, progId = "Glyphwright.ChemRDigitQuery", unreadable
End Sub

' Runs the query's script for the selection inside one undo record. When the query or the script
' fails, whatever the script did already is undone and the message box names the problem. A query
' that answers no script for a text it cannot read says so with `unreadable`.
Private Sub FormatWith(query As Object, undoName As String, Optional listens As Boolean, _
        Optional unreadable As String)
    Dim host As WordExecuter, runner As Object, text As String, script As String
    Dim message As String, source As String
    If Selection.Type <> wdSelectionNormal Then Exit Sub
    Set host = New WordExecuter
    host.Attach Selection.Range
    text = host.Text
    If listens Then Set query.FontListener = host
    Set runner = CreateObject("Glyphwright.CommandRunner")
    Set runner.Executer = host

    Application.UndoRecord.StartCustomRecord "Glyphwright: " & undoName
    On Error GoTo Failed
    script = query.GetCommands(text)
    runner.Run script
    On Error GoTo 0
    Application.UndoRecord.EndCustomRecord
    Set runner.Executer = Nothing
    If listens Then Set query.FontListener = Nothing
    If script = "" And unreadable <> "" And Trim(Replace(text, vbCr, " ")) <> "" Then
        MsgBox UnreadableMessage(unreadable, query, text), vbExclamation, undoName
    End If
    Exit Sub
Failed:
    message = ErrorMessage(Err.Number, Err.Description, text)
    source = Err.Source
    On Error GoTo 0
    Abandon host
    Set runner.Executer = Nothing
    If listens Then Set query.FontListener = Nothing
    MsgBox message, vbExclamation, source
End Sub

' The list reader's own reason under the message, with the text around the place it stopped:
' "Missing comma. (at offset 23: «…7.26 (1H, s); 1.25 (3H, …»)".
Private Function UnreadableMessage(unreadable As String, query As Object, text As String) As String
    Dim reason As String
    On Error Resume Next
    reason = CreateObject("Glyphwright.NMRStyleQuery").ExplainPeakList(text, query.SpecFormat, _
        query.Strict)
    On Error GoTo 0
    UnreadableMessage = unreadable
    If reason <> "" Then UnreadableMessage = unreadable & vbLf & reason
End Function

' The bulk pass over each paragraph of the ranges, one undo record for all of it. The status bar
' counts the paragraphs; Esc stops the pass, and then, as on an error, the pass is undone and the
' document is as it was before it.
Private Sub FormatEverything(parts As Collection, undoName As String)
    Dim query As Object, runner As Object, host As WordExecuter, part As Range
    Dim para As Paragraph, piece As Range, text As String, total As Long, done As Long
    Dim message As String, source As String, cancelled As Boolean
    Set host = New WordExecuter
    Set query = CreateObject("Glyphwright.ChemTextQuery")
    Set query.FontListener = host
    Set runner = CreateObject("Glyphwright.CommandRunner")
    Set runner.Executer = host
    For Each part In parts
        total = total + part.Paragraphs.Count
    Next part
    GetAsyncKeyState vbKeyEscape     ' forgets an Esc pressed before the pass began

    Application.ScreenUpdating = False
    Application.UndoRecord.StartCustomRecord "Glyphwright: " & undoName
    On Error GoTo Failed
    For Each part In parts
        For Each para In part.Paragraphs
            ' The scripts only format: no paragraph changes its length, so the ones after stay put.
            Set piece = TextOf(para.Range, part)
            host.Attach piece
            text = host.Text
            If Len(Trim(text)) > 1 Then runner.Run query.GetCommands(text)
            done = done + 1
            If done Mod ParagraphsPerStep = 0 Then
                Application.StatusBar = "Glyphwright: " & undoName & ", paragraph " & done & _
                    " of " & total & " (Esc stops and undoes)"
                DoEvents
                If GetAsyncKeyState(vbKeyEscape) <> 0 Then
                    cancelled = True
                    Exit For
                End If
            End If
        Next para
        If cancelled Then Exit For
    Next part
    On Error GoTo 0
    If cancelled Then
        Abandon host
    Else
        Application.UndoRecord.EndCustomRecord
    End If
    EndPass runner, query
    If cancelled Then
        MsgBox "Stopped: the document is as it was before.", vbInformation, undoName
    End If
    Exit Sub
Failed:
    message = ErrorMessage(Err.Number, Err.Description, text)
    source = Err.Source
    On Error GoTo 0
    Abandon host
    EndPass runner, query
    MsgBox message & vbLf & "Nothing was changed.", vbExclamation, source
End Sub

' Ends the undo record of a macro that failed or was stopped and undoes it when its scripts had
' changed something (an empty record undone would take back the user's own last edit instead).
Private Sub Abandon(host As WordExecuter)
    Application.UndoRecord.EndCustomRecord
    If host.Changed Then ActiveDocument.Undo 1
End Sub

' The text of a paragraph inside the range (the first and last of a selection are cut by it),
' without its paragraph mark or end-of-cell mark.
Private Function TextOf(whole As Range, part As Range) As Range
    Dim first As Long, last As Long, ending As String, found As Range
    first = whole.Start
    last = whole.End
    If part.Start > first Then first = part.Start
    If part.End < last Then last = part.End
    Set found = part.Document.Range(first, last)
    Do While found.End > found.Start
        ending = Right(found.Text, 1)
        If ending <> vbCr And ending <> Chr(7) Then Exit Do
        found.MoveEnd wdCharacter, -1
    Loop
    Set TextOf = found
End Function

Private Sub EndPass(runner As Object, query As Object)
    Set runner.Executer = Nothing
    Set query.FontListener = Nothing
    Application.StatusBar = ""
    Application.ScreenUpdating = True
End Sub

' "Glyphwright error 1: Missing chemical shift at offset 24." and, for an error that names an
' offset into the text, the text around it as the reader saw it.
Private Function ErrorMessage(ByVal number As Long, ByVal description As String, _
        text As String) As String
    Dim at As Long, digits As String, offset As Long
    ErrorMessage = "Glyphwright error " & number & ": " & description
    at = InStrRev(description, " at offset ")
    If at = 0 Then Exit Function
    digits = Mid(description, at + Len(" at offset "))
    If Right(digits, 1) = "." Then digits = Left(digits, Len(digits) - 1)
    If digits = "" Or Len(digits) > 9 Or digits Like "*[!0-9]*" Then Exit Function
    offset = CLng(digits)
    If offset < 0 Or offset > Len(text) Then Exit Function
    ErrorMessage = ErrorMessage & vbLf & "The text there: " & ChrW(171) & _
        TextAround(text, offset) & ChrW(187)
End Function

' Up to a dozen characters each side of the 0-based offset, "…" where the text goes on; tabs,
' paragraph marks and other control characters show as blanks so the quote stays on one line.
Private Function TextAround(text As String, offset As Long) As String
    Const Reach As Long = 12
    Dim first As Long, last As Long, i As Long, c As String, quoted As String
    first = offset - Reach
    If first < 0 Then first = 0
    last = offset + Reach
    If last > Len(text) Then last = Len(text)
    ' Never half a surrogate pair at either edge.
    If first > 0 Then
        If IsLowSurrogate(Mid(text, first + 1, 1)) Then first = first + 1
    End If
    If last < Len(text) Then
        If IsLowSurrogate(Mid(text, last + 1, 1)) Then last = last + 1
    End If
    If first > 0 Then quoted = ChrW(8230)
    For i = first + 1 To last
        c = Mid(text, i, 1)
        If AscW(c) >= 0 And AscW(c) < 32 Then c = " "
        quoted = quoted & c
    Next i
    If last < Len(text) Then quoted = quoted & ChrW(8230)
    TextAround = quoted
End Function

' AscW answers a signed 16-bit code: &HDC00 to &HDFFF are -9216 to -8193.
Private Function IsLowSurrogate(c As String) As Boolean
    IsLowSurrogate = AscW(c) >= -9216 And AscW(c) <= -8193
End Function
