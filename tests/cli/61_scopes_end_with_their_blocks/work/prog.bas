' A procedure's parameters and the DIMs of a block end with it: each use
' after the end is an error at its line.
FUNCTION First(count AS Long) AS Long
	First = count
END FUNCTION

FUNCTION Second() AS Long
	count = 1
	Second = 0
END FUNCTION

FUNCTION Third(n AS Long)
	IF n > 0 THEN
		DIM inner AS Long
		inner = n
	ELSE
		inner = 0
	END IF
	WHILE n > 0
		DIM w AS Long
		n = n - 1
	WEND
	w = 1
END FUNCTION
