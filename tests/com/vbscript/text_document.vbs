' TextDocument: a small word processor in VBScript, an Executer and FontListener that edit a
' text with character formats, as the reference document does. The whole text is the selection
' the query read, so script offsets are offsets into Text. A paragraph mark is vbCr.
' Flags of a character's format.
Const kSubscriptFlag = 1
Const kSuperscriptFlag = 2
Const kSmallFlag = 4
Const kItalicFlag = 8
Const kBoldFlag = 16

Class TextDocument
  ' (Wine's VBScript takes one member a declaration.)
  Public Text             ' the characters
  Public AppliedStyle     ' the last style ApplyStyle applied, and the text it was applied to
  Public StyledText
  Private formats         ' one character a position: Chr(64 + flags)
  Private cursor
  Private selectionStart
  Private selectionEnd
  Private clipText
  Private clipFormats

  Public Sub Load(value)
    Text = value
    formats = String(Len(value), Chr(64))
    cursor = 0
    selectionStart = 0
    selectionEnd = Len(value)
    clipText = ""
    clipFormats = ""
    AppliedStyle = ""
    StyledText = ""
  End Sub

  Private Function Clamp(position)
    Clamp = position
    If Clamp < 0 Then Clamp = 0
    If Clamp > Len(Text) Then Clamp = Len(Text)
  End Function

  Private Function FlagsAt(i)
    FlagsAt = Asc(Mid(formats, i + 1, 1)) - 64
  End Function

  ' Sets (or clears) a flag on a range; setting one script clears the other.
  Private Sub ChangeFlags(Index, Length, flag, cleared, turnOn)
    Dim i, flags, first, last
    first = Clamp(CLng(Index))
    last = Clamp(CLng(Index) + CLng(Length))
    For i = first To last - 1
      flags = FlagsAt(i)
      If turnOn Then
        flags = (flags Or flag) And Not cleared
      Else
        flags = flags And Not flag
      End If
      formats = Left(formats, i) & Chr(64 + flags) & Mid(formats, i + 2)
    Next
  End Sub

  Private Sub Insert(value, valueFormats)
    Text = Left(Text, cursor) & value & Mid(Text, cursor + 1)
    formats = Left(formats, cursor) & valueFormats & Mid(formats, cursor + 1)
    cursor = cursor + Len(value)
    selectionStart = cursor
    selectionEnd = cursor
  End Sub

  Private Sub Remove(first, count)
    Text = Left(Text, first) & Mid(Text, first + count + 1)
    formats = Left(formats, first) & Mid(formats, first + count + 1)
  End Sub

  ' ---- Executer ----
  Public Function QueryValue(x)
    If x = "$CursorPosition" Then
      QueryValue = cursor
    Else
      QueryValue = x
    End If
  End Function

  Public Sub SetSubscript(Index, Length, Flag)
    ChangeFlags Index, Length, kSubscriptFlag, kSuperscriptFlag, Flag
  End Sub

  Public Sub SetSuperscript(Index, Length, Flag)
    ChangeFlags Index, Length, kSuperscriptFlag, kSubscriptFlag, Flag
  End Sub

  Public Sub SetSmall(Index, Length)
    ChangeFlags Index, Length, kSmallFlag, 0, True
  End Sub

  Public Sub SetStyle(Index, Length, StyleName)
    If StyleName = "Italic" Or StyleName = "Chemical Italic" Then ChangeFlags Index, Length, kItalicFlag, 0, True
    If StyleName = "Bold" Then ChangeFlags Index, Length, kBoldFlag, 0, True
  End Sub

  Public Sub ApplyStyle(StyleName)
    AppliedStyle = StyleName
    StyledText = Mid(Text, selectionStart + 1, selectionEnd - selectionStart)
  End Sub

  Public Sub ReplaceChar(Index, Code)
    ' Wine's VBScript lacks ChrW: the test texts replace with characters of the ANSI code page.
    If CLng(Index) >= 0 And CLng(Index) < Len(Text) Then
      Text = Left(Text, CLng(Index)) & "{" & Code & "}" & Mid(Text, CLng(Index) + 2)
      formats = Left(formats, CLng(Index)) & String(Len(Code) + 2, Mid(formats, CLng(Index) + 1, 1)) & _
        Mid(formats, CLng(Index) + 2)
    End If
  End Sub

  Public Sub TypeBackspace()
    If cursor > 0 Then
      Remove cursor - 1, 1
      cursor = cursor - 1
    End If
    selectionStart = cursor
    selectionEnd = cursor
  End Sub

  Public Sub TypeParagraph()
    Insert vbCr, Chr(64)
  End Sub

  Public Sub TypeText(Value, StyleName)
    Dim flags
    flags = 0
    If StyleName = "Italic" Then flags = kItalicFlag
    If StyleName = "Bold" Then flags = kBoldFlag
    Insert Value, String(Len(Value), Chr(64 + flags))
  End Sub

  Public Sub MoveCursor(Target)
    Select Case Target
      Case "EndOfSelection"
        cursor = selectionEnd
      Case "PrevChar"
        cursor = Clamp(cursor - 1)
      Case "NextChar"
        cursor = Clamp(cursor + 1)
      Case Else
        cursor = Clamp(CLng(Target))
    End Select
    selectionStart = cursor
    selectionEnd = cursor
  End Sub

  Public Sub CopyText(Start, Length)
    Dim first, last
    first = Clamp(CLng(Start))
    last = Clamp(CLng(Start) + CLng(Length))
    clipText = Mid(Text, first + 1, last - first)
    clipFormats = Mid(formats, first + 1, last - first)
  End Sub

  Public Sub CutText(Start, Length)
    CopyText Start, Length
    Remove Clamp(CLng(Start)), Len(clipText)
    cursor = Clamp(CLng(Start))
    selectionStart = cursor
    selectionEnd = cursor
  End Sub

  Public Sub PasteText()
    Insert clipText, clipFormats
  End Sub

  Public Sub DeleteText(Start, Length)
    Dim first, last
    first = Clamp(CLng(Start))
    last = Clamp(CLng(Start) + CLng(Length))
    Remove first, last - first
    If cursor >= last Then
      cursor = cursor - (last - first)
    ElseIf cursor > first Then
      cursor = first
    End If
  End Sub

  Public Sub SelectRange(Start, Length)
    selectionStart = Clamp(CLng(Start))
    selectionEnd = Clamp(CLng(Start) + CLng(Length))
    If selectionEnd < selectionStart Then selectionEnd = selectionStart
    cursor = selectionStart
  End Sub

  ' ---- FontListener: -1 the whole range, 0 none of it, 9999999 mixed ----
  Private Function ScriptState(Index, Length, flag)
    Dim i, count
    count = 0
    For i = Clamp(CLng(Index)) To Clamp(CLng(Index) + CLng(Length)) - 1
      If (FlagsAt(i) And flag) <> 0 Then count = count + 1
    Next
    If count = 0 Then
      ScriptState = 0
    ElseIf count = CLng(Length) Then
      ScriptState = -1
    Else
      ScriptState = 9999999
    End If
  End Function

  Public Sub GetSubscript(Index, Length, Value)
    Value = ScriptState(Index, Length, kSubscriptFlag)
  End Sub

  Public Sub GetSuperscript(Index, Length, Value)
    Value = ScriptState(Index, Length, kSuperscriptFlag)
  End Sub

  ' The text with its formats as tags: <i>, <b>, <small>, <sub>, <sup>.
  Public Function Rendered()
    Dim i, flags, previous, html
    html = ""
    previous = 0
    For i = 0 To Len(Text) - 1
      flags = FlagsAt(i)
      If flags <> previous Then
        html = html & Tags(previous, True) & Tags(flags, False)
        previous = flags
      End If
      html = html & Mid(Text, i + 1, 1)
    Next
    Rendered = html & Tags(previous, True)
  End Function

  Private Function Tags(flags, closing)
    Dim names, bits, i, result
    names = Array("i", "b", "small", "sub", "sup")
    bits = Array(kItalicFlag, kBoldFlag, kSmallFlag, kSubscriptFlag, kSuperscriptFlag)
    result = ""
    For i = 0 To 4
      If (flags And bits(i)) <> 0 Then
        If closing Then
          result = "</" & names(i) & ">" & result
        Else
          result = result & "<" & names(i) & ">"
        End If
      End If
    Next
    Tags = result
  End Function
End Class

' Runs a query's script on a new document holding text and answers the document.
Function Formatted(query, text)
  Dim document, runner
  Set document = New TextDocument
  document.Load text
  Set runner = CreateObject("Glyphwright.CommandRunner")
  Set runner.Executer = document
  runner.Run query.GetCommands(text)
  Set Formatted = document
End Function

' A FontListener whose every question fails with error 5.
Class FailingListener
  Public Sub GetSubscript(Index, Length, Value)
    Err.Raise 5
  End Sub

  Public Sub GetSuperscript(Index, Length, Value)
    Err.Raise 5
  End Sub
End Class
