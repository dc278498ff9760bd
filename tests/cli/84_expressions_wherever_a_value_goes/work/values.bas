' Expressions where the dialect once took one value, one line per form.
TYPE Pt
	x AS Long
	y AS Double
END TYPE

DIM grid(100) AS Long
DIM low(5) AS Long
DIM high(5) AS Long

FUNCTION Half(k AS Long) AS Long
	Half = k \ 2
END FUNCTION

FUNCTION IsOdd(k AS Long) AS Long
	IsOdd = k MOD 2 = 1
END FUNCTION

FUNCTION Show(flag AS Long, text AS String)
	Print(text & ": " & flag)
END FUNCTION

FUNCTION Main() AS Long
	DIM i AS Long, j AS Long, n AS Long, m AS Long, ok AS Long
	DIM count AS Integer
	DIM d AS Double
	DIM s AS String
	DIM p AS Pt
	' any bound and step
	FOR i = 1 TO Len(s)
	NEXT i
	FOR i = n - 1 TO 0 STEP -1
	NEXT i
	FOR j = low(i) TO high(i) STEP 2
	NEXT j
	FOR j = p.x TO Half(n) + 1 STEP m
	NEXT j
	' any index, anywhere
	grid(i * 10 + j) = grid(grid(i) + 1) - grid(Half(j))
	Print(Str(grid(i + 1)))
	IF grid(i MOD 10) = grid(count + 1) THEN n = 0
	' MOD and integer division
	n = i MOD 7 + j \ 2
	Show(n MOD 3, "rest")
	' NOT, comparisons, AND, OR: 1 or 0
	WHILE NOT ok AND n < 10
		n = n + 1
	WEND
	ok = NOT ok
	ok = (i > 2) AND (j <= 3) OR NOT n = 4
	ok = d >= 0.5
	Show(n <> m, "differ")
	Show NOT ok, "not ok " & n MOD 10
	Print(Str(s = "yes"))
	IF s & n = "yes1" OR n & 4 THEN n = 0
	' & joins Strings; between numbers it stays C++'s &
	s = s & "!" & n
	s = "a" & "b"
	Print("n = " & n & ", half " & Half(n))
	n = n & &HFF
	' numbers handed to a String are one number
	Print(n + m)
	Print(-d)
	Print("Total: " + n)
	' fields and calls are cast as variables are
	d = p.x / 2
	d = Half(n) / 2
	d = count / 2
	s = Half(n)
END FUNCTION
