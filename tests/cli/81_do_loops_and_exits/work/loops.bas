' DO loops, and EXIT FOR, EXIT WHILE and EXIT DO.
FUNCTION Main()
	DIM i AS Long
	DIM n AS Long
	DO WHILE i < 3
		i = i + 1
	LOOP
	DO UNTIL i = 0
		i = i - 1
	LOOP
	DO
		n = n + 2
	LOOP WHILE n < 10
	DO
		n = n - 1
	LOOP UNTIL n = 5
	DO
		n = n + 1
		IF n > 8 THEN EXIT DO
	LOOP
	' A break leaves the loop where nothing breakable stands between.
	FOR i = 1 TO 10
		IF i = 4 THEN
			EXIT FOR
		END IF
	NEXT i
	' From a SELECT CASE or an inner loop, a goto past the loop's end.
	FOR i = 1 TO 10
		SELECT CASE i
		CASE 3
			EXIT FOR
		END SELECT
		WHILE n > 0
			n = n - 1
			IF n = 2 THEN EXIT FOR
		WEND
	NEXT i
	WHILE n < 100
		DO
			n = n * 2
			IF n > 50 THEN EXIT WHILE
		LOOP
	WEND
END FUNCTION
