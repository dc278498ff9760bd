' results.bas - a function result of a Double divides as an assignment to
' a Double does: Average = total / n keeps the fraction.
TYPE Point
	x AS Long
END TYPE
DIM counts(3) AS Long

FUNCTION Average(total AS Long, n AS Long) AS Double
	Average = total / n
END FUNCTION

FUNCTION Share() AS Double
	Share = counts(1) / counts(2)
END FUNCTION

FUNCTION Middle(BYREF p AS Point) AS Double
	Middle = p.x / 2
END FUNCTION

FUNCTION HalfLength(s AS String) AS Single
	HalfLength = Len(s) / 2
END FUNCTION

FUNCTION Mixed(n AS Long) AS Double
	Mixed = n \ 2 + n / 4
END FUNCTION

FUNCTION Total(a AS Long, b AS Long) AS Double
	Total = a + b
END FUNCTION

FUNCTION Main()
	DIM p AS Point
	p.x = 7: counts(1) = 1: counts(2) = 4
	Print Str(Average(25, 3))
	Print Str(Share())
	Print Str(Middle(p))
	Print Str(HalfLength("abc"))
	Print Str(Mixed(7))
	Print Str(Total(2, 3))
END FUNCTION
