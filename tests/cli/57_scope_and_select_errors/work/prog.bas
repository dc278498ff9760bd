' A DIM inside FOR ends at NEXT; SELECT CASE switches on whole numbers.
DIM name AS String
DIM ratio AS Double
DIM n AS Long
FUNCTION Main()
	FOR n = 1 TO 2
		DIM sq AS Long
		sq = n * n
	NEXT n
	Print(Str(sq))
	SELECT CASE name
	CASE 1
	END SELECT
	SELECT CASE ratio
	END SELECT
	SELECT CASE N
	CASE 1
		DIM word AS String
	END SELECT
	word = "gone"
END FUNCTION
