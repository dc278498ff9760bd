' A structure BYREF to a library function, 0 for none; objects BYREF.
USING Node
USING Leaf
TYPE Rect
	left AS Long
	right AS Long
END TYPE
DECLARE FUNCTION InvalidateRect ALIAS "InvalidateRect" LIB "user32" (hwnd AS long, BYREF r AS Rect, erase AS LONG) AS long
dim box as rect
dim label as string

FUNCTION Widen(BYREF r AS Rect, by AS Long)
	r.right = r.right + by
END FUNCTION

FUNCTION Keep(r AS Rect) AS Long
	Keep = r.right
END FUNCTION

FUNCTION Handle(BYREF r AS Rect) AS Long
	Handle = Keep(r)
END FUNCTION

function main()
	DIM n AS Node PTR
	DIM kids() AS Node PTR
	n = NEW Node
	kids = NEW Node(2)
	kids(0) = NEW Node
	n.Adopt(kids(0))
	Widen(box, 3)
	InvalidateRect(0, 0, 1)
	InvalidateRect(0, box, 1)
end function
