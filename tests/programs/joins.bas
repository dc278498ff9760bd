' joins.bas - "&" after a number written first, after NOT and after a
' comparison in parentheses: each joins as its digits.
FUNCTION Show(text AS String)
	Print text
END FUNCTION

FUNCTION Main()
	DIM closed AS Long, s AS String
	Print 10 & " apples"
	Print(3 & " pears")
	Show 2.5 & " kg"
	s = 7 & " days"
	Print s
	s = TRUE & " is true"
	Print s
	Print "open: " & NOT closed & " (flag)"
	s = "shut: " & NOT closed & " of 1"
	Print s
	Print "both: " & NOT closed & "/" & NOT (closed = 0)
	Print "flags " & (closed = 0) & (closed > 0) & (s <> "")
	s = "flags " & (closed = 0) & (closed > 0)
	Print s
	IF s & (closed = 0) & (closed > 0) = "flags 1010" THEN Print "condition joins"
END FUNCTION
