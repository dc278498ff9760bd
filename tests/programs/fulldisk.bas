' fulldisk.bas - bytes that do not reach the disk are a failure, also when
' they were buffered: /dev/full opens, and refuses them when they are
' flushed (ENOSPC, 28).
FUNCTION Main()
	DIM h AS Long
	Print "WriteText: " & WriteText("/dev/full", "lost")
	Print "error: " & FileError()
	Print "AppendText: " & AppendText("/dev/full", "lost")
	h = OpenOutput("/dev/full")
	Print "opened: " & (h > 0)
	Print "WriteLine, buffered: " & WriteLine(h, "lost")
	Print "CloseFile: " & CloseFile(h)
	Print "error: " & FileError()
END FUNCTION
