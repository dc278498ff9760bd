' shown.bas - prints two lines, then reports into the file named on its
' command line whether it has a console window and what the first line of
' that console holds (tests/wine/console.sh).
DECLARE FUNCTION GetConsoleWindow ALIAS "GetConsoleWindow" LIB "kernel32" () AS Long
DECLARE FUNCTION GetStdHandle ALIAS "GetStdHandle" LIB "kernel32" (which AS Long) AS Long
DECLARE FUNCTION ReadConsoleChars ALIAS "ReadConsoleOutputCharacterA" LIB "kernel32" (console AS Long, buffer AS String, length AS Long, at AS Long, BYREF count AS Long) AS Long
CONST STD_OUTPUT_HANDLE = -11

FUNCTION Main()
	DIM first AS String, count AS Long, report AS String
	Print("shown on a console")
	Print("second line")
	report = "console window: " & (GetConsoleWindow() <> 0)
	' Row 0, column 0 of the console's screen, as much as the line is long.
	first = "...................."
	IF ReadConsoleChars(GetStdHandle(STD_OUTPUT_HANDLE), first, 18, 0, count) THEN
		report = report & ", its first line: " & Left(first, count)
	END IF
	IF WriteText(Command(), report) = 0 THEN Print("no report: error " & FileError())
END FUNCTION
