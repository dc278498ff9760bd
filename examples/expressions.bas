REM expressions.bas - values as BASIC programmers write them: MOD and \,
REM NOT, comparisons worth 1 or 0, & joining text, any index, any FOR bound.
DIM squares(20) AS Long

FUNCTION IsPrime(n AS Long) AS Long
	DIM d AS Long
	IF n < 2 THEN EXIT FUNCTION
	FOR d = 2 TO n \ 2
		IF n MOD d = 0 THEN EXIT FUNCTION
	NEXT d
	IsPrime = 1
END FUNCTION

FUNCTION Reversed(s AS String) AS String
	DIM i AS Long
	DIM out AS String
	FOR i = Len(s) TO 1 STEP -1
		out = out & Mid(s, i, 1)
	NEXT i
	Reversed = out
END FUNCTION

FUNCTION Yes(flag AS Long) AS String
	IF flag THEN Yes = "yes" ELSE Yes = "no"
END FUNCTION

FUNCTION Main() AS Long
	DIM i AS Long, n AS Long, total AS Long, found AS Long
	DIM line AS String
	DIM word AS String = "level"
	DIM average AS Double

	FOR i = 1 TO 20
		IF IsPrime(i) THEN line = line & " " & i
	NEXT i
	Print("primes:" & line)

	Print(word & " backwards is " & Reversed(word) & ": palindrome " & Yes(word = Reversed(word)))

	FOR i = 0 TO 9
		squares(i) = i * i
	NEXT i
	Print("squares(3 + 4) = " & squares(3 + 4) & ", squares(squares(2)) = " & squares(squares(2)))
	FOR i = squares(1) TO squares(2) + 1
		total = total + squares(i * 2)
	NEXT i
	Print("sum of squares(2), (4), (6), (8): " & total)

	n = 47
	Print(n & " = " & n \ 10 & " tens and " & n MOD 10 & " ones")
	Print(n \ 10 * 10 + n MOD 10)

	WHILE NOT found
		i = i + 1
		found = i * i > n
	WEND
	Print("first square above " & n & ": " & i * i)
	Print("found = " & found & ", NOT found = " & NOT found)
	Print("in range: " & Yes(n > 10 AND n < 50) & ", outside: " & Yes(n < 10 OR n > 50))

	average = total / 4
	Print("average of the four, times 100: " & (average * 100) \ 1)
	FOR i = 10 TO 1 STEP -3
		line = line & i & ","
	NEXT i
	Print(Right(line, 9))
	' A comparison in parentheses joins as its 1 or 0; operator words
	' follow an inner group.
	Print("n above 40: " & (n > 40) & ", empty line: " & (line = ""))
	Print(Str(((n + 1) MOD 5) + ((n > 1) AND (i < 1))))
END FUNCTION
