' filescope.bas - module variables and a function named like C's types:
' each is written in a letter case that no support type has.
TYPE Pair
	char AS String
	n AS Long
END TYPE
DIM char AS String
DIM byte AS Long
DIM string AS String
DIM v AS Pair

FUNCTION void(n AS Long) AS Long
	void = n * 2
END FUNCTION

FUNCTION Main()
	char = "c": byte = 7: string = "text"
	v.char = "field": v.n = void(byte)
	Print char & " " & byte & " " & string & " " & v.char & " " & v.n
END FUNCTION
