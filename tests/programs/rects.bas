' rects.bas - TYPEs BYREF: changed in place, copied whole, handed on.
TYPE Rect
	left AS Long
	right AS Long
END TYPE
DIM a AS Rect
DIM b AS Rect
DIM many(3) AS Rect

FUNCTION Width(r AS Rect) AS Long
	Width = r.right - r.left
END FUNCTION

FUNCTION Widen(BYREF r AS Rect, by AS Long)
	IF r.right >= r.left THEN
		r.right = r.right + by
	END IF
END FUNCTION

FUNCTION WidenTwice(BYREF r AS Rect)
	Widen(r, 1)
	Widen(r, 1)
	Print("width now " + Str(Width(r)))
END FUNCTION

FUNCTION CopyInto(BYREF target AS Rect, source AS Rect)
	target = source
END FUNCTION

FUNCTION Snapshot(BYREF r AS Rect) AS Rect
	Snapshot = r
END FUNCTION

FUNCTION RightOf(BYREF r AS Rect) AS Long
	DIM copy AS Rect
	copy = r
	RightOf = copy.right
END FUNCTION

FUNCTION Main()
	DIM c AS Rect
	a.left = 1
	a.right = 4
	WidenTwice(a)
	CopyInto(b, a)
	Print("b " + Str(b.left) + ".." + Str(b.right))
	c = Snapshot(b)
	Print("c width " + Str(Width(c)) + ", right " + Str(RightOf(c)))
	many(2) = a
	Widen(many(2), 10)
	Print("many(2) width " + Str(Width(many(2))))
END FUNCTION
