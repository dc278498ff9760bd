' Where a name is declared more than once, the innermost declaration is the
' one found (a local before a module variable of its name), and at one level
' the first: the first of two declarations, a class's own method before its
' base's.
USING Base
USING Derived
DIM total AS Long
DIM total AS String
DIM level AS Integer

FUNCTION Sum(n AS Long) AS Long
	DIM level AS String
	total = n + 1
	level = n
	Sum = total
END FUNCTION

FUNCTION Main()
	DIM d AS Derived PTR
	d = NEW Derived
	Print(Str(d.Area()) + Str(Sum(2)))
END FUNCTION
