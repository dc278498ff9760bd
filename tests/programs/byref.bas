' byref.bas - objects and TYPEs handed over BYREF.
USING Acct
TYPE Rect
	left AS Long
	top AS Long
	right AS Long
	bottom AS Long
END TYPE
DIM box AS Rect

FUNCTION Report(BYREF a AS Acct)
	Print("account " + a.Name())
END FUNCTION

FUNCTION Grow(BYREF r AS Rect, by AS Long)
	r.right = r.right + by
	r.bottom = r.bottom + by
END FUNCTION

FUNCTION Area(BYREF r AS Rect) AS Long
	IF r = 0 THEN
		Area = 0
		EXIT FUNCTION
	END IF
	Area = (r.right - r.left) * (r.bottom - r.top)
END FUNCTION

FUNCTION Main()
	DIM p AS Acct PTR
	DIM q AS Acct PTR
	p = NEW Acct
	q = NEW Acct
	p.SetName("first")
	q.SetName("second")
	Report(p)
	p.SetNext(q)
	q.Link(p)
	p.LinkBack(q)
	Print("after first: " + p.NextName())
	Print("after second: " + q.NextName())
	box.right = 10
	box.bottom = 5
	Grow(box, 2)
	Print("area " + Str(Area(box)))
	Print("area of nothing " + Str(Area(0)))
	p = NOTHING
	q = NOTHING
END FUNCTION
