' sized.bas - arrays sized by constants (a CONST and a DEFINE, module level
' and local, one declared below), and an array of function pointers.
DEFINE SLOTS &H4
DIM squares(MAXN) AS Long
CONST MAXN = 5

FUNCTION Inc(n AS Long) AS Long
	Inc = n + 1
END FUNCTION

FUNCTION Dbl(n AS Long) AS Long
	Dbl = n * 2
END FUNCTION

FUNCTION Main()
	DIM i AS Long
	DIM total AS Long
	DIM cells(slots) AS Long
	DIM ops(2) AS FUNCTION(n AS Long) AS Long
	DIM first AS FUNCTION(n AS Long) AS Long
	total = 0
	FOR i = 0 TO MAXN - 1
		squares(i) = i * i
		total = total + squares(i)
	NEXT i
	cells(SLOTS - 1) = 9
	Print("squares " + Str(total) + ", last cell " + Str(cells(3)))
	ops(0) = ADDRESSOF Inc
	ops(1) = ADDRESSOF Dbl
	FOR i = 0 TO 1
		Print("op " + Str(i) + ": " + Str(ops(i)(20)))
	NEXT i
	first = ops(0)
	Print("first " + Str(first(1)))
END FUNCTION
