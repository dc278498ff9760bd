' hello.bas - the smallest plix program.
' Every program starts in FUNCTION Main; Print writes a line.
FUNCTION Main()
	Print("Hello from plix")
END FUNCTION
