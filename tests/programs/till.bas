' till.bas - a method reached through an object although the class has a
' private member of its name in another letter case.
USING Till

FUNCTION Main()
	DIM t AS Till PTR = NEW Till
	DIM n AS Long
	t.Ring(5)
	t.Ring(7)
	n = t.Total()
	Print "total " & n & ", again " & t.Total() & " in " & t.Sales & " sales"
	IF t.Total() = 12 THEN Print "twelve"
	t = NOTHING
END FUNCTION
