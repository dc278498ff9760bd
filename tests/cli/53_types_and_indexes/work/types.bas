' types.bas - user types with arrays and nested members.
CONST MAXP = 3
TYPE Point
	x AS Long
	y AS Long
END TYPE
TYPE Rect
	tl AS Point
	br AS Point
	tags(MAXP) AS Long
END TYPE
DIM r AS Rect
DIM pts(3) AS Point
DIM i AS Long

FUNCTION Width(BYREF q AS Rect) AS Long
	Width = q.br.x - q.tl.x
END FUNCTION

FUNCTION Main()
	r.tl.x = 2
	r.tl.y = 3
	r.br.x = 12
	r.br.y = 8
	r.tags(1) = 7
	Print("width " + Str(Width(r)))
	Print("height " + Str(r.br.y - r.tl.y))
	Print("tag " + Str(r.tags(1)))
	FOR i = 0 TO 2
		pts(i).x = i * 10
	NEXT i
	Print("last x " + Str(pts(2).x))
	Print("size of Rect " + Str(sizeof(r)))
END FUNCTION
