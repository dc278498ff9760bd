' literals.bas - values as a BASIC programmer writes them: TRUE and FALSE,
' a sign after an operator, leading zeros, Strings ordered against
' literals, THIS as a value, and an address kept in an Any field.
USING Chain
TYPE Holder
	item AS Any
END TYPE
DIM v(10) AS Long

FUNCTION Same(a AS Any, b AS Any) AS Long
	IF a = b THEN
		Same = TRUE
	ELSE
		Same = FALSE
	END IF
END FUNCTION

FUNCTION Twice(n AS Long) AS Long
	Twice = n * 2
END FUNCTION

FUNCTION Main()
	DIM flag AS Long
	DIM a AS Long
	DIM s AS String
	DIM h AS Holder
	DIM p AS Long PTR
	DIM c AS Chain PTR
	DIM d AS Chain PTR
	flag = TRUE
	Print("flag " + Str(flag) + " " + Str(FALSE) + " " + Str(Twice(TRUE)))
	a = 5
	v(a - -3) = a - -3
	Print("minus minus " + Str(a - -3) + " " + Str(v(8)) + " " + Str(Twice(a - -3)))
	IF a - -3 = 8 THEN
		Print("eight")
	END IF
	a = 010 + 1
	Print("leading zero " + Str(a) + " " + Str(v(08)))
	s = "beta"
	IF s < "gamma" AND "alpha" < s THEN
		Print("beta sorts between alpha and gamma")
	END IF
	IF s >= "zeta" OR "zeta" <= s THEN
		Print("wrong order")
	END IF
	p = NEW Long
	h.item = p
	Print("same address " + Str(Same(h.item, p)))
	c = NEW Chain
	d = c.Add(3)
	d = d.Add(4)
	Print("chain " + Str(c.Total()))
END FUNCTION
