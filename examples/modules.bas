' modules.bas - a program of several modules: MATHUTIL.BAS is an API module,
' turned into a header that this program includes through USING.
USING MathUtil

FUNCTION Main()
	Print("cube of 3 is " + Str(Cube(3)))
	Print("square of 7 is " + Str(Sq(7)))
END FUNCTION
