' Names that differ only in letter case are one name in BASIC.
USING Purse
DIM equals AS Long
CONST CELL = 8

FUNCTION Equals(a AS Long, b AS Long) AS Long
	Equals = a = b
END FUNCTION

FUNCTION Cell(n AS Long) AS Long
	Cell = n * CELL
END FUNCTION

FUNCTION Main()
	DIM p AS Purse PTR = NEW Purse
	equals = 3
	Print "cells " & Cell(2)
	Print p.coins
END FUNCTION
