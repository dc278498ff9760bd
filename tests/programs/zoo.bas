' zoo.bas - a class hierarchy through base pointers.
USING Animal
USING Dog
USING Bird
DIM zoo(3) AS Animal PTR
DIM count AS long

FUNCTION Add(BYREF a AS Animal)
	zoo(count) = a
	count = count + 1
END FUNCTION

FUNCTION Main()
	DIM i AS long
	DIM d AS Dog PTR
	DIM b AS Bird PTR
	DIM first AS Animal PTR
	d = NEW Dog
	b = NEW Bird
	count = 0
	Add(d)
	Add(b)
	FOR i = 0 TO 1
		first = zoo(i)
		Print(first.Describe())
	NEXT i
	b.Legs = 4
	first = zoo(0)
	Print("same legs: " + Str(first.SameLegs(b)))
	first = NOTHING
	b = NOTHING
END FUNCTION
