' handlers.bas - procedures as arguments: handlers registered in a
' module-level table of function pointers, then called with values.
CONST SLOTS = 3
DIM table(SLOTS) AS FUNCTION(n AS Long) AS Long
DIM count AS Long

FUNCTION Square(n AS Long) AS Long
	Square = n * n
END FUNCTION

FUNCTION Negate(n AS Long) AS Long
	Negate = 0 - n
END FUNCTION

FUNCTION AddTen(n AS Long) AS Long
	AddTen = n + 10
END FUNCTION

FUNCTION Register(handler AS FUNCTION(n AS Long) AS Long)
	table(count) = handler
	count = count + 1
END FUNCTION

FUNCTION Twice(f AS FUNCTION(n AS Long) AS Long, n AS Long) AS Long
	Twice = f(f(n))
END FUNCTION

FUNCTION Announce()
	Print("all handlers run")
END FUNCTION

FUNCTION RunAll(value AS Long, done AS FUNCTION())
	DIM i AS Long
	DIM f AS FUNCTION(n AS Long) AS Long
	FOR i = 0 TO count - 1
		f = table(i)
		Print(Str(f(value)))
		Print(Str(Twice(f, value)))
	NEXT i
	done()
END FUNCTION

FUNCTION Main()
	Register(ADDRESSOF Square)
	Register ADDRESSOF Negate
	Register(ADDRESSOF AddTen)
	RunAll(3, ADDRESSOF Announce)
	last = ADDRESSOF Square
	Print(Str(Twice(last, 2)))
END FUNCTION

DIM last AS FUNCTION(n AS Long) AS Long
