FUNCTION Main()
	Print("never built")
END FUNCTION
