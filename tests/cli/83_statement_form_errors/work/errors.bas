' Each new statement form's errors, at their lines.
FUNCTION Main()
	DIM i AS Long
	EXIT FOR
	LOOP
	DO FOREVER
	LOOP
	DO UNTIL i > 3
	LOOP WHILE i < 2
	IF i = 1 THEN FOR i = 1 TO 3
	IF i = 1 THEN i = 2 ELSE i = 3 ELSE i = 4
	IF i = 1 THEN
	ELSE
	ELSEIF i = 2 THEN
	END IF
	ELSEIF i = 3 THEN
	WHILE i < 3
		EXIT DO
	WEND
	DO
END FUNCTION
