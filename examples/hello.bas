' hello.bas - the smallest plix program
FUNCTION Main() AS Long
    Print("Hello from plix")
    Main = 0
END FUNCTION
