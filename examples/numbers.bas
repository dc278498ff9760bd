' numbers.bas - the number functions of Quillkit: math, whole numbers from
' Doubles, rounding to decimals, numbers read from texts, and random
' numbers that a seed repeats.

FUNCTION Main()
	DIM x AS Double, first AS Double, low AS Double, high AS Double
	DIM i AS Long, n AS Long, same AS Long, inside AS Long
	DIM rolls AS String

	' Math. In BASIC ^ is the exclusive or: a power is Power(x, y).
	Print("Power(2, 10) = " & Str(Power(2, 10)) & ", but 2 ^ 10 = " & (2 ^ 10))
	Print("Sqr(2) = " & FormatNumber(Sqr(2), 6) & ", Power(2, 0.5) = " & FormatNumber(Power(2, 0.5), 6))
	Print("pi = " & FormatNumber(Atn(1.0) * 4, 10) & ", e = " & FormatNumber(Exp(1.0), 10))
	Print("Log(Exp(3)) = " & Str(Log(Exp(3.0))) & ", Tan(Atn(0.5)) = " & Str(Tan(Atn(0.5))) & ", Sin(0) = " & Str(Sin(0.0)) & ", Cos(0) = " & Str(Cos(0.0)))
	Print("Abs: " & Str(Abs(-2.5)) & " " & Abs(-7))
	Print("Sgn: " & Sgn(-3.2) & " " & Sgn(0.0) & " " & Sgn(7.5))

	' Int rounds down, Fix toward zero, Round to the nearest (halves away
	' from zero); all three give a Long.
	FOR i = -5 TO 5 STEP 2
		x = i / 2.0
		Print(Str(x) & ": Int " & Int(x) & ", Fix " & Fix(x) & ", Round " & Round(x))
	NEXT i
	Print("Round(1.005 * 100) = " & Round(1.005 * 100) & ", Int(4.35 * 100) = " & Int(4.35 * 100))
	Print("Round to decimals: " & Str(Round(2.675, 2)) & " " & Str(Round(3.14159, 3)) & " " & Str(Round(-1.005, 2)) & " " & Str(Round(1234.5678, -2)) & " " & Str(Round(0.1 + 0.2, 5)))

	' Beyond the Long range a whole result is the nearest Long; NaN gives 0.
	x = 3000000000.0
	Print("beyond: " & Int(x) & " " & Fix(-x) & " " & Round(x) & " " & CLng(-x) & " " & CLng(Log(-1.0)) & " " & Int(Exp(1000.0)))
	Print("Log(0) = " & Str(Log(0.0)) & ", Exp(1000) = " & Str(Exp(1000.0)) & ", Sqr(-1) = " & Str(Sqr(-1.0)))

	' Numbers from texts: Val stays whole, CDbl reads the decimals, CLng
	' rounds them.
	Print("from the text 3.75: Val " & Val("3.75") & ", CDbl " & Str(CDbl("3.75")) & ", CLng " & CLng("3.75"))
	Print("CDbl: " & Str(CDbl("  -1.5e3 metres")) & " " & Str(CDbl(".5")) & " " & Str(CDbl("")) & " " & Str(CDbl("abc")) & " " & Str(CDbl("0x10")) & " " & Str(CDbl(2.5)))
	Print("CLng: " & CLng("2.5") & " " & CLng("-2.5") & " " & CLng("99999999999") & " " & CLng("none") & " " & CLng(2.5) & " " & CLng(-0.4))

	' Random numbers: the same seed gives the same numbers.
	Randomize(42)
	FOR i = 1 TO 10
		rolls = rolls & " " & Rnd(6) + 1
	NEXT i
	first = Rnd()
	Print("dice:" & rolls & ", then " & Str(first))
	Randomize(42)
	same = 1
	FOR i = 1 TO 10
		IF Mid(rolls, i * 2, 1) <> Str(Rnd(6) + 1) THEN same = 0
	NEXT i
	IF Rnd() <> first THEN same = 0
	Print("seeded again, the same: " & same)
	Print("Rnd(0) = " & Rnd(0) & ", Rnd(-3) = " & Rnd(-3) & ", Rnd(1) = " & Rnd(1))

	' From the clock the numbers differ from run to run: only their range
	' is certain.
	Randomize()
	inside = 1
	low = 1.0
	high = 0.0
	FOR i = 1 TO 10000
		x = Rnd()
		IF x < low THEN low = x
		IF x > high THEN high = x
		n = Rnd(10)
		IF n < 0 OR n > 9 THEN inside = 0
	NEXT i
	IF low < 0.0 OR high >= 1.0 THEN inside = 0
	Print("from the clock, in range: " & inside)
END FUNCTION
