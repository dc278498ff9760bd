' plain.bas - a program split into modules: Geometry is a module of plain
' functions and data, with a TYPE and variables that both sides use.
USING Geometry
DIM box AS Rect

FUNCTION Main()
	scale = 3
	box.w = 4
	box.h = 5
	Print("area " + Str(Area(box)))
	Print("last area " + Str(lastArea) + ", corners " + Str(CORNERS))
END FUNCTION
