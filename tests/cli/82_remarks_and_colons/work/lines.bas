REM Remarks, and several statements on one line.
FUNCTION Main()
	DIM a AS Long
	DIM b AS Long
	REM nothing is written for a remark
	a = 1: b = 2
	a = a + b: Print(Str(a)): b = 0 ' a comment after the last one
	a = 3: REM a remark after a colon
	a = 4:
	: b = 5
	DO WHILE a > 0: a = a - 1: LOOP
END FUNCTION
