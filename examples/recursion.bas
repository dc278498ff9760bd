' recursion.bas - a procedure that calls itself, and a function result.
FUNCTION Walk(n AS Long)
	IF n > 0 THEN
		Print("step " + Str(n))
		walk(n - 1)
	END IF
END FUNCTION
FUNCTION Fact(n AS Long) AS Long
	IF n <= 1 THEN
		Fact = 1
		EXIT FUNCTION
	END IF
	Fact = n * Fact(n - 1)
END FUNCTION
FUNCTION Main()
	Walk(3)
	Print("5! = " + Str(Fact(5)))
END FUNCTION
