' names.bas - names that C++ has as well: size, data, min, swap, remove,
' EOF, default... are the program's own here.
TYPE pair
	first AS Long
	second AS Long
END TYPE
DIM size AS Long
DIM data(3) AS Long
DIM hash AS String
CONST max = 9
DEFINE EOF 26
DIM default AS Long
DIM remove AS Long

FUNCTION swap(BYREF a AS Long, BYREF b AS Long)
	DIM t AS Long
	t = a
	a = b
	b = t
END FUNCTION

FUNCTION min(a AS Long, b AS Long) AS Long
	IF a < b THEN
		min = a
	ELSE
		min = b
	END IF
END FUNCTION

FUNCTION distance(BYREF p AS pair) AS Long
	distance = p.second - p.first
END FUNCTION

FUNCTION Main()
	DIM begin AS Long
	DIM less AS pair
	DIM rand AS Long
	size = 3
	begin = 7
	swap(size, begin)
	Print("size " + Str(size) + ", begin " + Str(begin))
	data(1) = min(size, max)
	Print("data(1) " + Str(data(1)))
	less.first = 2
	less.second = 10
	Print("distance " + Str(distance(less)))
	hash = "h"
	default = EOF
	remove = default + 1
	rand = remove
	Print(hash + " " + Str(default) + " " + Str(rand))
	SELECT CASE size
	CASE max
		Print("max")
	CASE ELSE
		Print("size is " + Str(size))
	END SELECT
	FOR size = 1 TO 2
		Print("loop " + Str(size))
	NEXT size
END FUNCTION
