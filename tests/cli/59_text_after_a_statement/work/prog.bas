' Text after a complete statement is an error at the first word too many;
' so is a value that ends in an operator.
DIM x AS Long
DIM p AS Long PTR

FUNCTION Show(v AS Long)
	Print(Str(v))
END FUNCTION

FUNCTION Twice(v AS Long) AS Long
	Twice = v * 2 v
END FUNCTION

FUNCTION Main()
	x = 1 2
	x = x +
	x =
	Show(3) junk
	p = NOTHING now
	WHILE x < 3
		x = x + 1
	WEND again
	IF x = 3 THEN
		Show(x)
	ELSE twice
		Show(0)
	END IF x
	SELECT CASE x
	CASE 3 4
		Show(3)
	END SELECT done
END FUNCTION extra
