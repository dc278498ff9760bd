' Where a name is declared more than once, the first declaration in list
' order is the one found: a module variable before a local of its name, the
' first of two declarations, a class's own method before its base's.
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
