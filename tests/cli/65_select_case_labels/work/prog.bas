' SELECT CASE labels: a whole-number variable with single numbers and
' constants is a switch; lists, ranges, IS, variables, strings and Double
' selectors make an if/else-if chain.
CONST LIMIT = 100
CONST YES = "yes"
DEFINE MASK &H1F
DIM n AS Long
DIM low AS Long
DIM d AS Double
DIM answer AS String
DIM flag AS Boolean

FUNCTION Whole()
	SELECT CASE n
	CASE 1
		n = 10
	CASE -1
	CASE LIMIT
	CASE MASK
	CASE ELSE
		n = 0
	END SELECT
	SELECT CASE n
	CASE 1, 3, 5
		DIM k AS Long
		k = n
	CASE 6 TO 9, LIMIT ' a range and a constant
		DIM k AS Long
		k = -n
	CASE IS >= 200, IS < -5, IS <> low
		n = 1
	CASE low TO LIMIT
		SELECT CASE flag
		CASE 0
		CASE 1
			flag = 0
		END SELECT
	CASE ELSE
		n = 0
	END SELECT
	SELECT CASE n
	CASE 1
	CASE 2
	CASE 01
	END SELECT
END FUNCTION

FUNCTION Texts()
	SELECT CASE answer
	CASE "yes", YES, "y"
		answer = "agreed"
	CASE "a" TO "m", IS > "x"
		SELECT CASE n
		CASE 3
			n = 4
		END SELECT
	CASE ""
	CASE ELSE
		answer = ""
	END SELECT
	SELECT CASE answer
	CASE ELSE
		answer = "always"
	END SELECT
	SELECT CASE answer
	END SELECT
END FUNCTION

FUNCTION Fractions()
	SELECT CASE d
	CASE -0.5 TO 0.5
		d = 0
	CASE 1, IS > 2.25, n
		d = d / 2
	END SELECT
END FUNCTION

FUNCTION Loops()
	FOR n = 1 TO 9
		SELECT CASE n
		CASE IS > 4
			EXIT FOR
		END SELECT
		SELECT CASE n
		CASE 3
			EXIT FOR
		END SELECT
	NEXT n
END FUNCTION

FUNCTION Main()
	Whole()
	Texts()
	Fractions()
	Loops()
END FUNCTION
