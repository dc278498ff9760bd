' memgui_timers.bas - timers in the order their times come: equal times
' in the order started, the 10 ms minimum, timers stopped, started and
' closed with their window from inside handlers. When no timer is left the
' program ends, with a window still open and without asking its OnClose.
DIM first AS Long, second AS Long
DIM slowTimer AS Long, fastTimer AS Long, rapidTimer AS Long, tenTimer AS Long, lateTimer AS Long
DIM slowCount AS Long, fastCount AS Long, rapidCount AS Long, tenCount AS Long, lateCount AS Long

FUNCTION Late(t AS Long)
    lateCount = lateCount + 1
    Print "late " & t & " #" & lateCount
    IF lateCount = 2 THEN StopTimer(t)
END FUNCTION

FUNCTION Slow(t AS Long)
    slowCount = slowCount + 1
    Print "slow " & t & " #" & slowCount
    IF slowCount = 3 THEN
        lateTimer = StartTimer(second, 25, ADDRESSOF Late)
        Print "started " & lateTimer
    END IF
    IF slowCount = 4 THEN
        CloseWindow(first)
        Print "closed the first window"
    END IF
END FUNCTION

FUNCTION Fast(t AS Long)
    fastCount = fastCount + 1
    Print "fast " & t & " #" & fastCount
END FUNCTION

FUNCTION Rapid(t AS Long)
    rapidCount = rapidCount + 1
    Print "rapid " & t & " #" & rapidCount
    IF rapidCount = 3 THEN StopTimer(t)
END FUNCTION

FUNCTION Ten(t AS Long)
    tenCount = tenCount + 1
    Print "ten " & t & " #" & tenCount
    IF tenCount = 2 THEN StopTimer(tenTimer)
END FUNCTION

FUNCTION Closing(win AS Long) AS Long
    Print "OnClose asked"
    Closing = 0
END FUNCTION

FUNCTION Main()
    first = OpenWindow("First", 100, 100)
    second = OpenWindow("Second", 100, 100)
    OnClose(first, ADDRESSOF Closing)
    OnClose(second, ADDRESSOF Closing)
    slowTimer = StartTimer(first, 30, ADDRESSOF Slow)
    fastTimer = StartTimer(first, 20, ADDRESSOF Fast)
    rapidTimer = StartTimer(second, 1, ADDRESSOF Rapid)
    tenTimer = StartTimer(second, 10, ADDRESSOF Ten)
    Print "timers " & slowTimer & " " & fastTimer & " " & rapidTimer & " " & tenTimer & ", windows " & first & " " & second
    Print "Main ends"
END FUNCTION
