' A late-bound host, as a script of the business application would be: it
' creates the editor by its ProgID and calls ShowEx through IDispatch with the
' template in a variable passed by reference. Scripts cannot type, so each call
' starts e2e_keys first, which waits for the editor, types and closes it.
' Arguments: the Unix paths of Vn_EditorTyp.exe and of e2e_keys.exe.
' Wine's cscript ends silently with exit code 0 on a script error, so every
' step checks Err itself, the last line counts the results and the exit code
' is the number of failures.
Option Explicit

Dim shell, server, keySender, editor, handle, passed, failures
passed = 0
failures = 0
Set shell = CreateObject("WScript.Shell")
server = WinePath(WScript.Arguments(0))
keySender = WinePath(WScript.Arguments(1))

Function WinePath(unixPath)
    WinePath = "Z:" & Replace(unixPath, "/", "\")
End Function

Sub Check(name, condition)
    If condition Then
        passed = passed + 1
    Else
        failures = failures + 1
        WScript.Echo "FAILED: " & name
    End If
End Sub

' Lines joined by CR LF (this VBScript has no Join).
Function Lines(items)
    Dim i, text
    text = items(0)
    For i = 1 To UBound(items)
        text = text & vbCrLf & items(i)
    Next
    Lines = text
End Function

Function Page(width, height)
    Dim i, text
    text = Space(width)
    For i = 2 To height
        text = text & vbCrLf & Space(width)
    Next
    Page = text
End Function

' The person at the keyboard for one call: started before the call, waited for
' after it, at most 30 seconds; True when the editor showed, took the keys and
' closed on Escape.
Function StartPerson(caption, typed, seconds)
    Set StartPerson = shell.Exec("""" & keySender & """ --window " & handle & _
        " --timeout " & seconds & " --caption """ & caption & """ --keys """ & typed & """")
End Function

Function PersonDone(person)
    Dim started
    started = Timer
    Do While person.Status = 0 And Abs(Timer - started) < 30
    Loop
    If person.Status = 0 Then
        person.Terminate
        PersonDone = False
    Else
        PersonDone = (ExitCodeOf(person) = 0)
    End If
End Function

' Wine has no ExitCode and reports a non-zero exit code as Status 2.
Function ExitCodeOf(process)
    On Error Resume Next
    ExitCodeOf = process.ExitCode
    If Err.Number <> 0 Then ExitCodeOf = process.Status - 1
End Function

' ShowEx with the text variable passed by reference; the error, if any, is left
' in lastError and lastSource.
Dim lastError, lastSource, lastDescription
Function ShowEx(caption, ByRef text, typed)
    Dim person
    Set person = StartPerson(caption, typed, 30)
    On Error Resume Next
    ShowEx = editor.ShowEx("C:\", caption, 0, 0, "", text)
    lastError = Err.Number
    lastSource = Err.Source
    lastDescription = Err.Description
    On Error GoTo 0
    Check caption & ": the editor showed and closed on Escape", PersonDone(person)
End Function

Sub CheckShow(name, given, typed, expectChanged, expected)
    Dim text, changed
    text = given
    changed = ShowEx(name, text, typed)
    Check name & ": no error (" & Hex(lastError) & " " & lastDescription & ")", lastError = 0
    Check name & ": result", changed = expectChanged
    Check name & ": text", text = expected
    If text <> expected Then WScript.Echo "  got [" & Visible(text) & "]"
End Sub

Function Visible(text)
    Visible = Replace(Replace(text, vbCr, "<CR>"), vbLf, "<LF>")
End Function

' A page beyond what the editor holds fails inside the call, and the error
' reaches the script with the server's ProgID as its source.
Sub CheckFailingCall()
    Dim text, changed, person
    text = String(10000, "x") & Replace(String(9999, "|"), "|", vbCrLf)
    Set person = StartPerson("e2e script failing", "", 10)
    On Error Resume Next
    changed = editor.ShowEx("C:\", "e2e script failing", 0, 0, "", text)
    lastError = Err.Number
    lastSource = Err.Source
    lastDescription = Err.Description
    On Error GoTo 0
    If person.Status = 0 Then person.Terminate
    Check "failing call: an error (" & Hex(lastError) & ")", lastError <> 0
    Check "failing call: source is the ProgID (" & lastSource & ")", _
        lastSource = "Vn_EditorTyp.EditorTypCom"
    Check "failing call: a description", Len(lastDescription) > 0
    Check "failing call: text kept", Len(text) = 10000 + 2 * 9999
End Sub

Dim registered
registered = shell.Run("""" & server & """ /RegServer", 0, True)
Check "registration", registered = 0

On Error Resume Next
Set editor = CreateObject("Vn_EditorTyp.EditorTypCom")
If Err.Number <> 0 Then
    WScript.Echo "FAILED: CreateObject: " & Hex(Err.Number) & " " & Err.Description
    WScript.Quit failures + 1
End If
handle = editor.Handle
Check "Handle: no error", Err.Number = 0
On Error GoTo 0
Check "Handle: a 32-bit integer", VarType(handle) = vbLong
Check "Handle: not 0", handle <> 0

Dim grid
grid = Lines(Array("abcd", "efgh"))
CheckShow "e2e script empty", "", "", True, Page(250, 80)
CheckShow "e2e script padded", Lines(Array("ab", "cdef")), "", True, Lines(Array("ab  ", "cdef"))
CheckShow "e2e script LF", "abc" & vbLf & "def", "", True, Lines(Array("abc", "def"))
CheckShow "e2e script end mark", Lines(Array("ab", "c" & Chr(26) & "d", "efgh")), "", True, _
    Lines(Array("ab", "c "))
CheckShow "e2e script unchanged", grid, "", False, grid
CheckShow "e2e script overwrite", grid, "XY", True, Lines(Array("XYcd", "efgh"))
CheckShow "e2e script insert", grid, "{INS}Z{INS}", True, Lines(Array("Zabc", "efgh"))
CheckShow "e2e script DOS n tilde", grid, Chr(241), True, Lines(Array(Chr(164) & "bcd", "efgh"))
CheckFailingCall

Set editor = Nothing
WScript.Echo passed & " passed, " & failures & " failed"
WScript.Quit failures
