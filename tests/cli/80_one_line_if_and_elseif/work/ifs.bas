' One-line IFs, and ELSEIF in a block IF.
FUNCTION Sign(n AS Long) AS Long
	IF n > 0 THEN Sign = 1: EXIT FUNCTION
	IF n < 0 THEN Sign = -1 ELSE Sign = 0
END FUNCTION

FUNCTION Grade(score AS Long) AS String
	DIM g AS String
	IF score >= 90 THEN
		g = "A"
	ELSEIF score >= 80 THEN
		g = "B"
	ELSEIF (score >= 70) AND (score < 80) THEN
		g = "C"
	ELSE
		g = "F"
	END IF
	Grade = g
END FUNCTION

FUNCTION Main()
	DIM a AS Long
	DIM b AS Long
	IF a = b THEN Print("same") ELSE Print("different")
	IF a = 0 THEN IF b = 0 THEN a = 1 ELSE a = 2 ELSE a = 3
	IF a > 0 THEN a = a - 1: b = b + 1 ELSE b = 0 ' a comment
	IF b THEN REM a block IF after all
		b = 0
	END IF
	Print(Grade(85))
END FUNCTION
