' Blocks left open: each is reported once, with the line it opened at, and
' closed in the C++ text, which still compiles.
DIM n AS Long
DIM i AS Long

FUNCTION Crossed()
	WHILE n < 3
		IF n = 1 THEN
			n = n + 1
	WEND
END FUNCTION

FUNCTION OpenAtEnd()
	FOR i = 1 TO 3
		SELECT CASE i
		CASE 1
			n = 0
END FUNCTION

FUNCTION Main()
	Crossed()
	OpenAtEnd()
	NEXT i
	CASE 2
	IF n = 0 THEN
		n = 1
	ELSE
		WHILE n > 0
			n = n - 1
