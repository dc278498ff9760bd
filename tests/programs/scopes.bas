' scopes.bas - declarations inside CASE and FOR, a property used before its
' definition, and module declarations below the procedures that use them.
FUNCTION Describe(k AS Long) AS String
	SELECT CASE K
	CASE 1
		DIM word AS String
		word = "one"
		Describe = word
	CASE 2
		DIM word AS String
		word = "two"
		Describe = word
	CASE ELSE
		Describe = "many"
	END SELECT
END FUNCTION

FUNCTION Squares() AS Long
	DIM i AS Long
	DIM total AS Long
	total = 0
	FOR i = 1 TO 3
		DIM sq AS Long
		sq = i * i
		total = total + sq
	NEXT i
	Squares = total
END FUNCTION

FUNCTION Main()
	Print(Describe(1) + " " + Describe(2) + " " + Describe(5))
	Print("squares " + Str(Squares()))
	Volume = 7
	Print("volume " + Str(Volume))
	counter = counter + 1
	Print("counter " + Str(counter) + ", limit " + Str(LIMIT) + ", mask " + Str(MASK))
	pt.x = 3
	Print("pt " + Str(pt.x) + ", " + greeting)
END FUNCTION

PUBLIC PROPERTY GET Volume() AS Long
	Volume = level
END PROPERTY
PUBLIC PROPERTY SET Volume(v AS Long)
	level = v
END PROPERTY

DIM counter AS Long
DIM level AS Long
CONST LIMIT = 10
CONST greeting = "hello"
DEFINE MASK &H1F
TYPE Point
	x AS Long
END TYPE
DIM pt AS Point
