' files.bas - text files: a whole file by its name, lines through a
' handle, and what the file functions answer when something is missing.
' The files live in the temporary folder and are deleted at the end.

FUNCTION TempFolder() AS String
	DIM folder AS String
	folder = Environ("TEMP")
	IF folder = "" THEN folder = Environ("TMPDIR")
	IF folder = "" THEN folder = "/tmp"
	TempFolder = folder
END FUNCTION

FUNCTION Main()
	DIM path AS String, missing AS String, got AS String
	DIM h AS Long, again AS Long, n AS Long, stamp AS Long
	DIM opened(300) AS Long
	stamp = Timer() * 1000
	path = TempFolder() & "/plix_files_" & stamp & ".txt"
	missing = TempFolder() & "/plix_missing_" & stamp & ".txt"

	' A whole file, written, read back and added to.
	Print "written: " & WriteText(path, "first part")
	Print "exists: " & FileExists(path)
	Print "read: " & ReadText(path)
	Print "appended: " & AppendText(path, ", second part")
	Print "read: " & ReadText(path)
	Print "error after success: " & FileError()
	Print "a folder is no file: " & FileExists(TempFolder())

	' Lines through a handle: written, added to, read back to the end.
	h = OpenOutput(path)
	Print "handle above 0: " & (h > 0)
	FOR n = 1 TO 3
		WriteLine h, "line " & n
	NEXT n
	WriteLine h, ""
	Print "closed: " & CloseFile(h)
	h = OpenAppend(path)
	Print "one more line: " & WriteLine(h, "added")
	Print "closed: " & CloseFile(h)
	' Each line ends with a carriage return and a line feed.
	Print "bytes in the file: " & Len(ReadText(path))
	h = OpenInput(path)
	Print "writing to a file opened for reading: " & WriteLine(h, "no")
	n = 0
	DO WHILE Eof(h) = 0
		n = n + 1
		Print "line " & n & ": [" & ReadLine(h) & "]"
	LOOP
	got = ReadLine(h)
	Print "after the end: [" & got & "], eof " & Eof(h)
	Print "closed: " & CloseFile(h)
	Print "closed again: " & CloseFile(h)

	' ReadLine takes a line feed alone as a line end too.
	WriteText(path, "unix" & Chr(10) & "windows" & Chr(13) & Chr(10) & "last")
	h = OpenInput(path)
	DO UNTIL Eof(h)
		Print "[" & ReadLine(h) & "]"
	LOOP
	CloseFile h

	' A closed handle is taken again; the handles run out at 255.
	again = OpenInput(path)
	Print "the closed handle is taken again: " & (again = h)
	CloseFile again
	n = 0
	DO
		n = n + 1
		opened(n) = OpenInput(path)
	LOOP UNTIL opened(n) = 0 OR n = 299
	Print "open at once: " & (n - 1) & ", then an error: " & (FileError() <> 0)
	FOR n = 1 TO 255
		CloseFile opened(n)
	NEXT n

	' Something missing is an answer, never a crash.
	Print "missing file exists: " & FileExists(missing)
	got = ReadText(missing)
	Print "missing file read: [" & got & "], error: " & (FileError() <> 0)
	Print "missing file opened: " & OpenInput(missing)
	Print "missing file deleted: " & Kill(missing)
	got = ReadLine(99)
	Print "ReadLine(99): [" & got & "], error: " & (FileError() <> 0)
	Print "WriteLine(0): " & WriteLine(0, "x")
	Print "Eof(-1): " & Eof(-1)
	Print "CloseFile(0): " & CloseFile(0)

	Print "deleted: " & Kill(path)
	Print "exists after: " & FileExists(path)
END FUNCTION
