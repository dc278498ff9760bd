' A DIM inside FOR ends at NEXT; SELECT CASE refuses labels it cannot compare.
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
FUNCTION F() AS Long
END FUNCTION
FUNCTION Labels()
	DIM arr(3) AS Long
	DIM p AS Long PTR
	SELECT CASE n
	CASE "x"
	CASE F
	CASE arr
	CASE n + 1
	CASE IS == 3
	CASE 1,
	CASE ELSE
	CASE 2
	END SELECT
	SELECT CASE name
	CASE "a", -"b"
	END SELECT
	SELECT CASE arr
	CASE 1 TO 2
	END SELECT
	SELECT CASE p
	END SELECT
	SELECT CASE ratio
		n = 1
	CASE 1
	END SELECT
END FUNCTION
