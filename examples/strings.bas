' strings.bas - the string functions of Quillkit.
DIM name AS String
DIM shout AS String
DIM n AS Long

FUNCTION Main()
	name = "  plix basic  "
	name = Trim(name)
	Print("[" + name + "]")
	shout = UCase(name)
	Print(shout)
	Print(LCase("MiXeD"))
	Print(Left(name, 4) + "|" + Right(name, 5) + "|" + Mid(name, 6, 3))
	n = Len(name)
	Print("length " + Str(n))
	Print("basic at " + Str(InStr(name, "basic")))
	n = Val("42") + 1
	Print(n)
	Print(Chr(65) + Chr(66) + " " + Str(Asc("a")))
	IF shout = "PLIX BASIC" THEN
		Print("equal")
	END IF
	IF name <> shout THEN
		Print("different")
	END IF
END FUNCTION
