' numbertext.bas - numbers that reach a String: as one number, whatever carries them.
TYPE Pt
	x AS Long
END TYPE
DIM p AS Pt

FUNCTION Label(n AS Long) AS String
	Label = n
END FUNCTION

FUNCTION Sum(a AS Long, b AS Long) AS String
	Sum = a + b
END FUNCTION

FUNCTION Twice(k AS Long) AS Long
	Twice = k * 2
END FUNCTION

FUNCTION Main() AS Long
	DIM s AS String
	DIM n AS Long = 3
	DIM m AS Long = 4
	DIM d AS Double
	p.x = 9
	Print(n + m)
	Print(p.x)
	Print(Twice(p.x) + 1)
	Print("Total: " + n)
	Print("half of n is " & n \ 2 & ", n MOD 2 = " & n MOD 2)
	s = n + m
	Print(s)
	s = p.x
	Print(s)
	Print(Label(42) & Sum(1, 2))
	' a field or a call in a Double value is a Double: "/" keeps the fraction
	d = p.x / 2
	IF d = 4.5 THEN Print("p.x / 2 = 4.5")
	d = Twice(n) / 4
	IF d > 1.4 AND d < 1.6 THEN Print("Twice(3) / 4 = 1.5")
END FUNCTION
