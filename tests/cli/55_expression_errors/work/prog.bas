DIM n AS Long
DIM s AS String
FUNCTION Add(a AS Long, b AS Long) AS Long
	Add = a + b
END FUNCTION
FUNCTION Main()
	n = Add(1, 2, 3)
	n = Add(1 [XOR] 2, 3)
	n = Nope(1)
	Add = 1
	n = Add("x", 2)
	s = n > 2
	n = s(1)
	n = 5
END FUNCTION
