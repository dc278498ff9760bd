' members.bas - a class STATIC shared by the modules of a program, an
' override spelled in another letter case, a TYPE member assigned whole,
' and a TYPE field sized by a constant written in another letter case.
USING Ticker
USING BigTick
CONST MAXN = 3
TYPE Address
	street AS String
	number AS Long
END TYPE
TYPE Order
	id AS Long
	ship AS Address
	lines(maxn) AS Long
END TYPE

FUNCTION Main()
	DIM t AS Ticker PTR
	DIM b AS Ticker PTR
	DIM order AS Order
	DIM addr AS Address
	t = NEW Ticker
	b = NEW BigTick
	Print("made " + Str(t.Made()))
	Print(t.Describe() + ", " + b.Describe())
	addr.street = "Elm"
	addr.number = 12
	order.ship = addr
	addr.number = 13
	order.lines(2) = 7
	Print(order.ship.street + " " + Str(order.ship.number) + " " + Str(order.lines(2)))
END FUNCTION
