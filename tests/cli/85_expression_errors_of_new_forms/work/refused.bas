' Expressions plix refuses, each at its own line.
DIM a(10) AS Long
DIM d AS Double
DIM s AS String

FUNCTION Main() AS Long
	DIM n AS Long
	n = a(d + 1)
	n = a(Len(s) / Sqr(d))
	n = 5 MOD
	n = n >< 2
	n = NOT
	WHILE NOT
	WEND
	Print(NOT)
	Print(Str(n = ))
	FOR n = 1 TO Len(
	NEXT n
	FOR n = 1 TO 5 STEP
	NEXT n
	n = &H
END FUNCTION

FUNCTION Whole() AS Long
	DIM n AS Long
	n = d MOD 2
	IF n \ d = 0 THEN n = 1
	Print(Str(n MOD Sqr(d)))
	IF n & s = "1a" THEN n = 0
END FUNCTION
FUNCTION Text(s AS String) AS Double
	DIM n AS Long
	n = Len(s) + Left(s, 1)
	Text = Mid(s, 2, 1)
	n = Abs(Left(s, 1) - 1)
END FUNCTION
