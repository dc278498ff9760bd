' control.bas - SELECT CASE, FOR, WHILE and IF.
DIM i AS Long
DIM total AS Long

FUNCTION Describe(n AS Long)
	SELECT CASE n
	CASE 1
		Print("one")
	CASE 2
		Print("two")
	CASE -1
		Print("minus one")
	CASE ELSE
		Print("many")
	END SELECT
END FUNCTION

FUNCTION Main()
	FOR i = 1 TO 3
		Describe(i)
	NEXT i
	Describe(-1)
	total = 0
	FOR i = 10 TO 1 STEP -3
		total = total + i
	NEXT i
	Print("down by three: " + Str(total))
	i = 1
	WHILE i < 100
		i = i * 2
	WEND
	Print("first power of two past 100: " + Str(i))
	IF (i > 100) AND (i <= 128) THEN
		Print("in range")
	ELSE
		Print("out of range")
	END IF
END FUNCTION
