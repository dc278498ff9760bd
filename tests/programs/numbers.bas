' numbers.bas - arithmetic a programmer writes: a sieve, gcd, powers, Abs.
DIM sieve(50) AS Long
DIM i AS Long
DIM j AS Long
DIM count AS Long

FUNCTION Gcd(a AS Long, b AS Long) AS Long
	IF b = 0 THEN
		Gcd = a
		EXIT FUNCTION
	END IF
	Gcd = Gcd(b, a - (a / b) * b)
END FUNCTION

FUNCTION Main()
	DIM x AS Double
	FOR i = 2 TO 49
		sieve(i) = 1
	NEXT i
	FOR i = 2 TO 7
		IF sieve(i) = 1 THEN
			j = i * i
			WHILE j < 50
				sieve(j) = 0
				j = j + i
			WEND
		END IF
	NEXT i
	count = 0
	FOR i = 2 TO 49
		IF sieve(i) = 1 THEN
			count = count + 1
		END IF
	NEXT i
	Print("primes below 50: " + Str(count))
	Print("gcd(84, 36) = " + Str(Gcd(84, 36)))
	Print("abs: " + Str(Abs(-5)) + " " + Str(Abs(7)) + " " + Str(Abs(-2147483647 - 1)))
	x = Sqr(2.0)
	IF x > 1.41 THEN
		Print("sqr 2 > 1.41")
	END IF
	Print("sin 0 = " + Str(Sin(0.0)) + ", cos 0 = " + Str(Cos(0.0)))
	i = Rnd(10)
	IF (i >= 0) AND (i < 10) THEN
		Print("rnd in range")
	END IF
	Print("rnd of nothing: " + Str(Rnd(0)) + " " + Str(Rnd(-4)))
END FUNCTION
