CONST MAXV = 100
CONST Title = "Hi"
DEFINE BLUE 3
DEFINE MASK &Hff
DEFINE LIMIT -5
TYPE Point
	x AS Long
	name AS String PTR
	p AS Long PTR
	buf(MAXV) AS Byte
END TYPE
PUBLIC TYPE Size
	w AS Long
END TYPE
PRIVATE CONST Two = 2
DECLARE FUNCTION Beep ALIAS "MessageBeep" LIB "user32" (t AS Long, s AS String, BYREF r AS Long, a AS Any) AS Long
