' resource.bas - a resource script linked with USINGRESOURCE: Greeting.rc
' holds a string table; Greeting.h is included into the program.
USINGRESOURCE Greeting
DECLARE FUNCTION LoadString ALIAS "LoadStringA" LIB "user32" (inst AS Long, id AS Long, buffer AS String, size AS Long) AS Long
CONST GREETING_ID = 1

FUNCTION Main()
	DIM text AS String
	DIM n AS Long
	text = "                                        "
	n = LoadString(AppInstance(), GREETING_ID, text, 40)
	Print(Left(text, n))
END FUNCTION
