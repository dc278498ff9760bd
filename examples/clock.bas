' clock.bas - the time of day, today's date, waits and a millisecond
' counter. Their values change from run to run: what is printed is what
' holds for every run, or the value that does not.

' Seconds since midnight of a time written as HH:MM:SS.
FUNCTION Seconds(t AS String) AS Long
	Seconds = Val(Left(t, 2)) * 3600 + Val(Mid(t, 4, 2)) * 60 + Val(Right(t, 2))
END FUNCTION

FUNCTION Main()
	DIM t AS Double, apart AS Double, d AS String, clock AS String
	DIM month AS Long, day AS Long
	DIM start AS Long, waited AS Long, n AS Long, last AS Long, backwards AS Long

	d = DateStr()
	month = Val(Mid(d, 6, 2))
	day = Val(Right(d, 2))
	IF Len(d) = 10 AND Mid(d, 5, 1) = "-" AND Mid(d, 8, 1) = "-" AND month >= 1 AND month <= 12 AND day >= 1 AND day <= 31 THEN
		Print "the date has the form YYYY-MM-DD"
	ELSE
		Print "odd date: " & d
	END IF

	clock = TimeStr()
	t = Timer()
	IF Len(clock) = 8 AND Mid(clock, 3, 1) = ":" AND Mid(clock, 6, 1) = ":" AND Seconds(clock) < 86400 THEN
		Print "the time has the form HH:MM:SS"
	ELSE
		Print "odd time: " & clock
	END IF
	Print "timer in range: " & (t >= 0 AND t < 86400)
	' Both read the same local clock (unless midnight came in between).
	apart = t - Seconds(clock)
	IF t < 2 THEN apart = 0
	Print "timer agrees with the time: " & (apart >= 0 AND apart < 2)

	' Windows counts milliseconds in ticks of up to 16 ms, so a wait of
	' 70 ms counts as at least 50 ms everywhere.
	start = TickCount()
	Pause 70
	waited = TickCount() - start
	Print "pause waited at least 50 ms: " & (waited >= 50)
	Print "and less than 5 seconds: " & (waited < 5000)
	start = TickCount()
	Pause 0
	Pause -100
	Print "no wait for 0 or less: " & (TickCount() - start < 50)

	last = TickCount()
	FOR n = 1 TO 10000
		IF TickCount() < last THEN backwards = backwards + 1
		last = TickCount()
	NEXT n
	Print "the counter never went back: " & (backwards = 0)
END FUNCTION
