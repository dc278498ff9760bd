' nohandler.bas - a function pointer given 0 for none is tested before it
' is called: IF f = 0, IF f <> 0, IF f, NOT f, WHILE f, DO WHILE f <> 0.
DIM onEvent AS FUNCTION(msg AS String)

FUNCTION Logger(msg AS String)
	Print "[log] " & msg
END FUNCTION

FUNCTION Twice(x AS Long) AS Long
	Twice = 2 * x
END FUNCTION

FUNCTION Run(f AS FUNCTION(x AS Long) AS Long, v AS Long) AS Long
	IF f = 0 THEN Run = -1: EXIT FUNCTION
	Run = f(v)
END FUNCTION

FUNCTION Main()
	DIM k AS Long
	IF onEvent <> 0 THEN onEvent("not set")
	IF onEvent = 0 THEN Print "no handler yet"
	onEvent = ADDRESSOF Logger
	IF onEvent THEN onEvent("set")
	IF NOT onEvent THEN Print "wrong"
	IF onEvent <> 0 AND k = 0 THEN onEvent("set, k is 0")
	WHILE onEvent
		onEvent("once")
		onEvent = 0
	WEND
	Print Run(ADDRESSOF Twice, 4) & " " & Run(0, 4)
END FUNCTION
