' pointers.bas - function pointers and ADDRESSOF.
FUNCTION Twice(n AS Long) AS Long
	Twice = n * 2
END FUNCTION

FUNCTION Square(n AS Long) AS Long
	Square = n * n
END FUNCTION

FUNCTION Main()
	DIM op AS FUNCTION(n AS LONG) AS LONG
	op = Twice
	Print("twice 5 = " + Str(op(5)))
	op = ADDRESSOF Square
	Print("square 5 = " + Str(op(5)))
END FUNCTION
