' endstatus.bas - EndProgram's status reaches the caller (endstatus.status),
' and a line written through a handle that was never closed still reaches
' its file: here standard output, which the test compares.
FUNCTION Main()
	DIM h AS Long
	Print "before the end"
	h = OpenAppend("/dev/stdout")
	WriteLine h, "written, never closed"
	EndProgram 3
	Print "after the end"
END FUNCTION
