USING "..\evil"
USING
