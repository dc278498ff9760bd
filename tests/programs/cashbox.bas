' A class module's own TYPEs, used by its members and methods.
USING CashBox
FUNCTION Main()
	DIM box AS CashBox PTR
	DIM e AS Entry
	DIM c AS Coins
	box = NEW CashBox
	e.amount = 25: box.Take(e)
	e.amount = 50: box.Take(e)
	c = box.Held()
	Print c.count & " coins, " & c.cents & " cents"
	box = NOTHING
END FUNCTION
