USING Helpers

FUNCTION Main()
	Print(Str(Twice(21)))
END FUNCTION
