' shapes.bas - a class hierarchy: virtual dispatch, a constructor and a
' destructor, properties, NEW and NOTHING. The classes are in SHAPE.BAS
' and SQUARE.BAS.
USING Shape
USING Square

FUNCTION Main()
	DIM s AS Shape PTR
	DIM q AS Square PTR
	DIM area AS Long
	q = NEW Square
	q.Side = 4
	s = q
	area = s.Area()
	Print("area " + Str(area))
	Print("side " + Str(q.Side))
	Print(s.Name())
	q = NOTHING
	IF q = 0 THEN
		Print("freed")
	END IF
END FUNCTION
