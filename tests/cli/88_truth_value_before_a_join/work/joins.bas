' A truth value for a String that a join follows: C++ would add the text's
' address to the number, so each line is refused.
FUNCTION Main()
	DIM x AS Long, s AS String, t AS String
	s = (x = 0) & " zero"
	s = (x > 0) & t
	s = NOT x & " not"
	s = "x " & (x = 0) & " ok"
	s = Str(x = 0) & " ok"
END FUNCTION
