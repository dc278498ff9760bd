' textkit.bas - string tools a programmer writes: reverse, count words, pad.
DIM sample AS String

FUNCTION Reverse(s AS String) AS String
	DIM out AS String
	DIM i AS Long
	DIM n AS Long
	out = ""
	n = Len(s)
	FOR i = n TO 1 STEP -1
		out = out + Mid(s, i, 1)
	NEXT i
	Reverse = out
END FUNCTION

FUNCTION CountWords(s AS String) AS Long
	DIM i AS Long
	DIM n AS Long
	DIM inWord AS Long
	DIM last AS Long
	n = 0
	inWord = 0
	last = Len(s)
	FOR i = 1 TO last
		IF Mid(s, i, 1) = " " THEN
			inWord = 0
		ELSE
			IF inWord = 0 THEN
				n = n + 1
			END IF
			inWord = 1
		END IF
	NEXT i
	CountWords = n
END FUNCTION

FUNCTION PadLeft(s AS String, width AS Long) AS String
	DIM r AS String
	r = s
	WHILE Len(r) < width
		r = " " + r
	WEND
	PadLeft = r
END FUNCTION

FUNCTION Main()
	sample = "the quick  brown fox"
	Print(Reverse(sample))
	Print("words: " + Str(CountWords(sample)))
	Print("[" + PadLeft("42", 6) + "]")
	Print("[" + Left(sample, 0) + "][" + Left(sample, -3) + "][" + Right(sample, 100) + "]")
	Print("[" + Mid(sample, 0, 3) + "][" + Mid(sample, 18, 10) + "][" + Mid(sample, 99, 1) + "]")
	Print("[" + Trim("   ") + "][" + Trim(" a b ") + "]")
	Print(Str(InStr(sample, "")) + " " + Str(InStr("", "x")) + " " + Str(InStr(sample, "fox")))
	Print(Str(Val("  17 apples")) + " " + Str(Val("-8")) + " " + Str(Val("none")))
	Print(Str(Val("99999999999")) + " " + Str(Val("-99999999999")))
	Print(Str(Asc("")) + " " + Str(Asc(Chr(200))))
	Print(UCase("straße 9") + " " + LCase("ÄB"))
END FUNCTION
