' program.bas - what a program knows of how it was started: its arguments
' and its environment; and EndProgram, which ends it from anywhere.

FUNCTION Finish()
	Print "ending here"
	EndProgram 0
	Print "not printed: the program has ended"
END FUNCTION

FUNCTION Main()
	Print "arguments: [" & Command() & "]"
	Print "PATH is set: " & (Len(Environ("PATH")) > 0)
	Print "a variable that is not set: [" & Environ("PLIX_NOT_SET_ANYWHERE") & "]"
	Print "no name: [" & Environ("") & "]"
	Finish
	Print "not printed either"
END FUNCTION
