' Declaration lines with several names and initial values, and call
' statements written without parentheses.
USING Counter
USING Presets
USING Version
DIM a, b, c AS Long
DIM n AS Long = 10, title AS String = "none"
DIM x AS Double = -1.5, ready AS Boolean = TRUE
DIM cap AS Long = LIMIT, lowest AS Long = -LIMIT, bits AS Long = MASK
DIM grid(4), row(2) AS Long
DIM p, q AS Counter PTR
DIM spare AS Counter PTR = 0
PRIVATE STATIC calls AS Long = 1, rounds AS Long
PUBLIC label AS String = 5

FUNCTION Report(what AS String, k AS Long)
	Print what + ": " + Str(k)
END FUNCTION

FUNCTION Beep()
	Print "beep"
END FUNCTION

FUNCTION Twice(k AS Long) AS Long
	Twice = k * 2
END FUNCTION

FUNCTION Countdown(k AS Long)
	IF k > 0 THEN
		Report "count", k
		Countdown k - 1
	END IF
END FUNCTION

FUNCTION Main()
	DIM i, j AS Long
	DIM total AS Long = n * 2 + Len(title), s AS String = "n=" + Str(n)
	DIM made AS Counter PTR = NEW Counter, d AS Double = x
	DIM h AS FUNCTION(k AS Long) AS Long
	h = ADDRESSOF Twice
	Beep
	Print s: Report "colon", 1
	Print ("parenthesised")
	Report "total", total
	Countdown 2
	h 3
	made.Show()
	Report "late", late
END FUNCTION

DIM late AS Long = 7
