' parity.bas - an API module whose functions call each other.
USING Parity
FUNCTION Main()
	Print("7 odd: " + Str(IsOdd(7)) + ", 10 even: " + Str(IsEven(10)))
END FUNCTION
