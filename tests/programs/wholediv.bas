' wholediv.bas - "\" and MOD keep whole numbers in a value for a Double,
' also where their operand is a group or a product: (n + 1) \ m is 2.
FUNCTION Half(x AS Double) AS Double
	Half = x / 2
END FUNCTION

FUNCTION Main()
	DIM n AS Long = 7, m AS Long = 3, x AS Long = 2
	DIM d AS Double, s AS Single
	d = (n + 1) \ m
	Print Str(d)
	d = n * 3 \ 2
	Print Str(d)
	d = (n + 1) MOD m
	Print Str(d)
	d = n / 2 + (n + 1) \ m
	Print Str(d)
	d = m \ (n + x) + n / 2
	Print Str(d)
	s = (n + x) MOD 4 + n / 2
	Print Str(s)
	Print FormatNumber((n + 1) \ m, 2)
	Print Str(Half(n * 3 \ 2))
	Print Str(Half((n + 1) MOD m))
END FUNCTION
