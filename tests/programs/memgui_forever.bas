' memgui_forever.bas - a clock that nobody stops: natively its program
' ends after an hour of virtual time, and a dialog still waiting then is
' cancelled.
DIM win AS Long, ticks AS Long

FUNCTION Tick(t AS Long)
    ticks = ticks + 1
    IF ticks = 1 OR ticks >= 3599 THEN Print "tick " & ticks
    IF ticks = 3599 THEN Print "asked at tick 3599: " & AskYesNo("Still there?", "Clock")
END FUNCTION

FUNCTION Main()
    win = OpenWindow("Clock", 100, 40)
    StartTimer(win, 1000, ADDRESSOF Tick)
END FUNCTION
