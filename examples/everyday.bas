REM everyday.bas - the statements of a BASIC tutorial: one-line IF, ELSEIF,
REM DO loops, EXIT, SELECT CASE lists and ranges, DIM lists and values.
DIM limit AS Long = 10

' Steps of the 3n + 1 walk from n down to 1.
FUNCTION Steps(n AS Long) AS Long
	DIM count AS Long
	DO WHILE n <> 1
		IF n - (n / 2) * 2 = 0 THEN n = n / 2 ELSE n = 3 * n + 1
		count = count + 1
	LOOP
	Steps = count
END FUNCTION

FUNCTION IsPrime(n AS Long) AS Long
	DIM d AS Long = 2
	IF n < 2 THEN IsPrime = 0: EXIT FUNCTION
	DO WHILE d * d <= n
		IF n - (n / d) * d = 0 THEN IsPrime = 0: EXIT FUNCTION
		d = d + 1
	LOOP
	IsPrime = 1
END FUNCTION

FUNCTION Kind(n AS Long) AS String
	SELECT CASE n
	CASE 1
		Kind = "one"
	CASE 2, 3, 5, 7
		Kind = "small prime"
	CASE 4 TO 9
		Kind = "small"
	CASE IS >= 10
		Kind = "big"
	CASE ELSE
		Kind = "none"
	END SELECT
END FUNCTION

FUNCTION Main()
	DIM n AS Long, total AS Long
	DIM title AS String = "numbers", text AS String
	Print "Facts about " + title
	FOR n = 1 TO limit
		text = Str(n) + ": " + Kind(n)
		IF IsPrime(n) THEN text = text + ", prime"
		Print text + ", " + Str(Steps(n)) + " steps"
		total = total + n
	NEXT n
	Print "Total: " + Str(total)

	' The first number above 20 whose walk takes more than 20 steps.
	FOR n = 21 TO 100
		IF Steps(n) > 20 THEN EXIT FOR
	NEXT n
	Print "First long walk from " + Str(n)

	DIM answer AS String, k AS Long
	DO
		IF k = 0 THEN answer = "yes" ELSE IF k = 1 THEN answer = "n" ELSE answer = "maybe"
		SELECT CASE answer
		CASE "yes", "y"
			Print "agreed"
		CASE "no", "n"
			Print "refused"
		CASE ELSE
			Print "undecided: " + answer
		END SELECT
		k = k + 1
	LOOP UNTIL k = 3

	n = 1
	WHILE 1
		n = n * 3
		IF n > 100 THEN EXIT WHILE
	WEND
	Print "Powers of three pass 100 at " + Str(n)

	FOR n = 0 TO 2
		IF n = 0 THEN
			Print "zero"
		ELSEIF n = 1 THEN
			Print "one"
		ELSE
			Print "more"
		END IF
	NEXT n
END FUNCTION
