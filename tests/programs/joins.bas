' joins.bas - "&" after a number written first, and after NOT: the number
' joins as its digits, NOT covers only what stands before the join.
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
END FUNCTION
