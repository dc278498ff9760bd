' hiding.bas - the innermost declaration of a name wins: a parameter or
' local before a property, a function or a module variable of its name, a
' variable before a TYPE of its name, a method before a program function.
USING Tally
USING Gauge
TYPE Msg
	code AS Long
END TYPE
TYPE Point
	x AS Long
	y AS Long
END TYPE
DIM Total AS Long

FUNCTION Reading(n AS Long) AS Long
	Reading = n
END FUNCTION

FUNCTION Fill(n AS Long) AS Long
	Fill = n * 2
END FUNCTION

FUNCTION Code(m AS Msg) AS Long
	Code = m.code
END FUNCTION

FUNCTION SumOf(BYREF p AS Point) AS Long
	SumOf = p.x + p.y
END FUNCTION

FUNCTION Work(mid AS Long) AS Long
	DIM left AS Long
	DIM fill AS Long
	DIM total AS Long
	left = 3
	fill = mid * 10
	total = left + fill + mid
	Work = total
END FUNCTION

FUNCTION Main()
	DIM t AS Tally PTR
	DIM g AS Gauge PTR
	DIM msg AS Msg
	DIM point AS Point
	t = NEW Tally
	t.Add(5)
	t.Add(7)
	Print("tally " + Str(t.Amount))
	msg.code = 4
	point.x = 1
	point.y = 2
	Print("code " + Str(Code(msg)) + " sum " + Str(SumOf(point)))
	Total = 1
	Print("work " + Str(Work(4)) + " fill " + Str(Fill(4)) + " module total " + Str(Total))
	g = NEW Gauge
	Print("show " + Str(g.Show()) + " bump " + Str(g.Bump()) + " reading " + Str(Reading(3)))
	Print("module total " + Str(Total))
END FUNCTION
