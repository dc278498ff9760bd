' Declaration lines and call statements that are refused, each at its line.
DIM total AS Long
FUNCTION Report(what AS String, k AS Long)
END FUNCTION
FUNCTION Beep()
END FUNCTION
FUNCTION Main()
	DIM a,
	DIM b AS Long, c
	DIM d AS Long =
	DIM e, f AS Long = 1
	DIM g(2) AS Long = 0
	DIM h AS Long = 1 2
	DIM total AS Long = total + 1
	DIM o AS String = NOTHING
	DIM k AS Long = 1, fp AS FUNCTION() AS Long
	Report "one"
	Report
	Beep 1
	Print ,
	Report a b
	Report "x", 1, 2
	Report "x", (1
	Report "x", 1)
	DIM ok AS Long = 2, fine AS String = "still converted"
	Report fine, ok
END FUNCTION
