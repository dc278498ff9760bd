' A number from a call, a field or a member, handed to a String parameter
' beside a String, becomes its digits as a variable does ("Total: " + Len(s)
' once added 2 to the literal's address).
TYPE Point
	x AS Long
END TYPE

FUNCTION Show(label AS String, value AS String)
	Print label + value
END FUNCTION

FUNCTION Main()
	DIM s AS String = "plix"
	DIM p AS Point
	DIM half AS Double = 2.5
	p.x = 7
	Print "Total: " + Len(s)
	Print "x = " + p.x
	Print s + Len(s) + "!"
	Show "half ", "h" + Abs(half)
	Print Len(s) + 1
END FUNCTION
