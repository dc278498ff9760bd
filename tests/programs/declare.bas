' declare.bas - declaration lines with several names and initial values
' (at module level, in a procedure, in a class), and call statements
' written without parentheses.
USING Stock
CONST START = 5
DIM a, b, c AS Long
DIM total AS Long = 100, label AS String = "items"
DIM rate AS Double = -1.5, ready AS Boolean = TRUE
DIM lowest AS Long = -START, shown AS String = START
DIM marks(3), tags(2) AS Long
PRIVATE STATIC calls AS Long = 10, rounds AS Long

FUNCTION Beep()
	calls = calls + 1
	Print "beep"
END FUNCTION

FUNCTION Report(what AS String, n AS Long)
	Print what + " " + Str(n)
END FUNCTION

FUNCTION Countdown(n AS Long)
	IF n > 0 THEN
		Report "count", n
		Countdown n - 1
	END IF
END FUNCTION

FUNCTION Main()
	DIM i, j AS Long
	DIM sum AS Long = total + lowest, note AS String = label + "!"
	DIM box AS Stock PTR = NEW Stock, k AS Long = sum * 2
	a = 1
	b = 2
	c = a + b
	marks(2) = c
	tags(1) = 4
	Beep
	Print "lists " + Str(a) + " " + Str(b) + " " + Str(c) + " " + Str(marks(2)) + " " + Str(tags(1))
	Print "zero " + Str(i + j + rounds)
	Report label, total
	Report "sum", sum
	Report "twice", k
	Print note
	Print "lowest " + Str(lowest) + ", shown " + shown
	IF rate < -1 THEN
		Print "rate below -1"
	END IF
	IF ready THEN
		Print "ready"
	END IF
	Report "calls", calls
	Report "late", late
	Countdown 2
	box.Describe()
	box.Describe()
	box = NOTHING
END FUNCTION

DIM late AS Long = 7
