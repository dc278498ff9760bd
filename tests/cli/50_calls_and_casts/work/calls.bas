TYPE Point
	x AS Long
	y AS Long
END TYPE
DIM count AS Long
DIM d AS Double
DIM s AS String
DIM pt AS Point
DIM pts(4) AS Point

FUNCTION Add(a AS Long, b AS Long) AS Long
	Add = a + b
END FUNCTION

FUNCTION Bump(BYREF n AS Long)
	n = n + 1
END FUNCTION

FUNCTION Show(text AS String)
	Print(text)
END FUNCTION

FUNCTION Move(BYREF p AS Point, dx AS Long)
	p.x = p.x + dx
END FUNCTION

FUNCTION Main()
	COUNT = Add(2, 3)
	Bump(count)
	Show(count)
	Show(5)
	d = Add((count + 1) * 2, count [OR] 1)
	Move(pt, 3)
	Move(pts(1), 4)
	s = Str(sizeof(pt)) + " " + Str(sizeof(d))
	Show(s)
	Show(Str(pt.x) + "," + Str(pts(1).x))
END FUNCTION
