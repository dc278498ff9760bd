' select.bas - SELECT CASE: a switch on single numbers and constants, and
' the chain of lists, ranges, IS, variables, strings and Doubles; each
' call prints what its CASE chose.
CONST LIMIT = 100
CONST YES = "yes"
DIM pivot AS Long

FUNCTION Switched(n AS Long) AS String
	SELECT CASE n
	CASE 1
		Switched = "one"
	CASE -1
		Switched = "minus one"
	CASE LIMIT
		Switched = "limit"
	CASE ELSE
		Switched = "other"
	END SELECT
END FUNCTION

FUNCTION Chained(n AS Long) AS String
	SELECT CASE n
	CASE 1, 3, 5
		DIM word AS String
		word = "odd"
		Chained = word
	CASE 6 TO 9, LIMIT
		DIM word AS String
		word = "six to nine or limit"
		Chained = word
	CASE pivot
		Chained = "pivot"
	CASE IS >= 200, IS < -5
		Chained = "far"
	CASE 1 TO 300
		Chained = "one to three hundred"
	CASE ELSE
		Chained = "else"
	END SELECT
END FUNCTION

FUNCTION Answer(s AS String) AS String
	SELECT CASE s
	CASE "y", YES
		Answer = "agreed"
	CASE "a" TO "m"
		Answer = "a to m"
	CASE IS > "x"
		Answer = "after x"
	CASE ELSE
		Answer = "else"
	END SELECT
END FUNCTION

FUNCTION Band(d AS Double) AS String
	SELECT CASE d
	CASE -0.5 TO 0.5
		Band = "near zero"
	CASE IS > 2.25
		Band = "above 2.25"
	CASE ELSE
		Band = "between"
	END SELECT
END FUNCTION

' EXIT FOR from a chain leaves the loop; from a switch as well.
FUNCTION Stops() AS String
	DIM i AS Long
	DIM seen AS String
	FOR i = 1 TO 9
		SELECT CASE i
		CASE 2, 4
			seen = seen + "even "
		CASE IS > 5
			EXIT FOR
		END SELECT
		SELECT CASE i
		CASE 5
			seen = seen + "five "
			EXIT FOR
		END SELECT
		seen = seen + Str(i) + " "
	NEXT i
	Stops = seen + "stopped at " + Str(i)
END FUNCTION

FUNCTION Main()
	DIM n AS Long
	pivot = 42
	Print("switch: " + Switched(1) + ", " + Switched(-1) + ", " + Switched(100) + ", " + Switched(7))
	FOR n = 1 TO 6 STEP +5
		Print("chain " + Str(n) + ": " + Chained(n))
	NEXT n
	Print("chain 100: " + Chained(100) + "; 42: " + Chained(42) + "; 250: " + Chained(250))
	Print("chain -6: " + Chained(-6) + "; -5: " + Chained(-5) + "; 10: " + Chained(10))
	Print("text: " + Answer("yes") + ", " + Answer("y") + ", " + Answer("m") + ", " + Answer("n"))
	Print("text: " + Answer("xa") + ", " + Answer("x"))
	Print("loop: " + Stops())
	Print("double: " + Band(0.5) + ", " + Band(-0.75) + ", " + Band(2.25) + ", " + Band(2.5))
END FUNCTION
