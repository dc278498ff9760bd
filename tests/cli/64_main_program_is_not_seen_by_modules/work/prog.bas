' The main program's own TYPEs, functions and variables are in its .cpp
' alone: a class module that uses them is refused at each line that does.
USING Spotter
TYPE Spot
	x AS Long
END TYPE
DIM level AS Long

FUNCTION Note(t AS String)
	Print(t)
END FUNCTION

FUNCTION Main()
	DIM s AS Spot
	DIM p AS Spotter PTR
	s.x = 9
	p = NEW Spotter
	Note("x " + Str(p.Look(s)))
END FUNCTION
