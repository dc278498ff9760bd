USING Helpers

FUNCTION Main()
	DIM p AS Pair
	p.a = LIMIT
	p.b = Twice(p.a) + MASK
	Print(Str(p.b) + " after " + Str(calls) + " call")
END FUNCTION
