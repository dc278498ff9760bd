' consts.bas - CONST with a decimal number, &H digits, TRUE and FALSE.
CONST PI = 3.14159
CONST H = &HFF
CONST T = TRUE
CONST F = FALSE
CONST NEGD = -0.5
CONST SMALL = 0.05
DIM area AS Double = PI
DIM mask AS Long = H
FUNCTION Main()
	DIM r AS Double = 2, n AS Long = 300
	Print Str(PI * r * r) & " " & H & " " & T & " " & F & " " & Str(NEGD) & " " & Str(SMALL)
	Print Str(area) & " " & mask & " " & (n [AND] H)
	SELECT CASE n
	CASE H: Print "ff"
	CASE ELSE: Print "not ff"
	END SELECT
	IF T THEN Print "true"
	Print Str(n * SMALL)
	Print FormatNumber(2 * PI, 3)
	SELECT CASE r
	CASE SMALL: Print "small"
	CASE 1 TO PI: Print "up to pi"
	END SELECT
END FUNCTION
