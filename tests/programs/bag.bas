' bag.bas - a class holding an array of object pointers; a dynamic array of them.
USING Thing
USING Bag
TYPE Tally
	n AS Long
END TYPE
DIM moves(5) AS Tally

FUNCTION Main()
	DIM b AS Bag PTR
	DIM list() AS Thing PTR
	DIM i AS Long
	b = NEW Bag
	b.Add(3)
	b.Add(4)
	Print("moves " + Str(b.Moves()))
	Print("len " + Str(b.Len()))
	Print(b.Title())
	Print("price " + Str(b.Price(1000)))
	Print("second " + Str(b.Item(1)))
	list = NEW Thing(3)
	FOR i = 0 TO 2
		list(i) = NEW Thing
	NEXT i
	list(2).SetN(9)
	Print("last " + Str(list(2).N()))
	moves(1).n = 7
	Print("moves(1) " + Str(moves(1).n))
	b = NOTHING
END FUNCTION
