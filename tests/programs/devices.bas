' devices.bas - files of the kind Windows has not. Bytes that do not reach
' the disk are a failure, also when they were buffered: /dev/full opens,
' and refuses them when they are flushed (ENOSPC, 28). Only a file is read:
' /dev/zero never ends, and is refused at once (EINVAL, 22).
FUNCTION Main()
	DIM h AS Long, got AS String
	Print "WriteText: " & WriteText("/dev/full", "lost")
	Print "error: " & FileError()
	Print "AppendText: " & AppendText("/dev/full", "lost")
	h = OpenOutput("/dev/full")
	Print "opened: " & (h > 0)
	Print "WriteLine, buffered: " & WriteLine(h, "lost")
	Print "CloseFile: " & CloseFile(h)
	Print "error: " & FileError()
	got = ReadText("/dev/zero")
	Print "ReadText of /dev/zero: " & Len(got) & " bytes, error " & FileError()
	Print "OpenInput of /dev/zero: " & OpenInput("/dev/zero")
END FUNCTION
