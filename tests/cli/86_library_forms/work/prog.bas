' The library's forms: the call's arguments choose among InStr, Str, Abs,
' Rnd, Round, CDbl and Randomize; later library functions are written in
' their namespace, and the program's own names hide them.
DEFINE EOF 26
DIM Timer AS Long
DIM counts AS LONG
FUNCTION Replace(s AS String) AS String
    Replace = s + "!"
END FUNCTION
FUNCTION Main()
    DIM d AS Double
    DIM f AS Single
    DIM n AS Long
    DIM b AS Byte
    DIM s AS String
    n = InStr(s, "b") + InStr(2, s, "b")
    s = Str(n) + Str(d) + Str(f) + Str(b) + Str(counts) + Str(n * 1.5) + Str(Sqr(n))
    d = Abs(d) + Abs(n * 0.5)
    n = Abs(n) MOD 3
    ' MOD and \ keep whole operands whole beside a Double.
    d = n \ 2 + Sqr(n MOD 3) + Abs(n \ 2 * 1.5)
    d = Rnd() * Rnd(6)
    Randomize
    Randomize 7
    d = Round(d, 2) + Round(d)
    d = CDbl("2.5") + CDbl(n)
    n = CLng(s) + CLng(d)
    s = Replace(s)
    Timer = EOF + Timer + CLng(Timer())
    n = FileExists(s) + Len(Hex(n))
END FUNCTION
