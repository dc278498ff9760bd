' winapi.bas - calling Windows through DECLARE ... LIB.
DECLARE FUNCTION GetSystemMetrics ALIAS "GetSystemMetrics" LIB "user32" (index AS Long) AS Long
DECLARE FUNCTION StrLen ALIAS "lstrlenA" LIB "kernel32" (text AS String) AS Long
CONST SM_CXSCREEN = 0

FUNCTION Main()
	DIM word AS String
	word = "plix!"
	Print("lstrlenA says " + Str(StrLen(word)))
	IF GetSystemMetrics(SM_CXSCREEN) > 0 THEN
		Print("the screen has a width")
	END IF
END FUNCTION
