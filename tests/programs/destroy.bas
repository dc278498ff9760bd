' destroy.bas - deleting through a base pointer runs the derived destructor.
USING Shape
USING Circle
FUNCTION Main()
	DIM s AS Shape PTR
	s = NEW Circle
	Print("area " + Str(s.Area()))
	s = NOTHING
	Print("done")
END FUNCTION
