' text.bas - the text functions of Quillkit: searching from a position and
' from the end, trimming one side, building and replacing texts, Hex,
' StrComp, and numbers as texts (Str, FormatNumber).

' The text right-aligned in a column of the given width.
FUNCTION PadLeft(s AS String, size AS Long) AS String
	PadLeft = Space(size - Len(s)) & s
END FUNCTION

' How often find occurs in s, each match counted once.
FUNCTION Occurrences(s AS String, find AS String) AS Long
	DIM at AS Long, found AS Long
	at = InStr(1, s, find)
	DO WHILE at > 0
		found = found + 1
		at = InStr(at + Len(find), s, find)
	LOOP
	Occurrences = found
END FUNCTION

FUNCTION Main()
	DIM path AS String = "C:/plix/examples/text.bas"
	DIM slash AS Long, dot AS Long, i AS Long
	DIM price AS Double, zero AS Double
	DIM third AS Single
	DIM big AS LONG

	' Searching from a position and from the end.
	slash = InStrRev(path, "/")
	dot = InStrRev(path, ".")
	Print("folder " & Left(path, slash - 1) & ", file " & Mid(path, slash + 1, 99) & ", kind " & Mid(path, dot + 1, 9))
	Print("slashes at " & InStr(1, path, "/") & ", " & InStr(4, path, "/") & ", " & InStr(9, path, "/"))
	Print("no z: " & InStr(1, path, "z") & " " & InStrRev(path, "z") & "; from 0: " & InStr(0, path, "C") & "; past the end: " & InStr(99, path, "s"))
	Print("empty find: " & InStr(3, "abc", "") & " " & InStr(4, "abc", "") & " " & InStr(5, "abc", "") & " " & InStrRev("abc", ""))
	Print("in banana: a " & Occurrences("banana", "a") & " times, ana " & Occurrences("banana", "ana") & " time")

	' Trimming and building.
	Print("[" & LTrim("  left  ") & "][" & RTrim("  right  ") & "][" & Trim(Chr(9) & " both " & Chr(9)) & "][" & RTrim(" " & Chr(9) & " ") & "]")
	Print("[" & Space(4) & "][" & Space(0) & "][" & Space(-2) & "]")
	Print(Repeat("=-", 10) & "|" & Repeat("ab", 0) & "|" & Repeat("", 5) & "|")
	Print("a huge Space is empty: " & Len(Space(2000000000)) & ", so is a huge Repeat: " & Len(Repeat("abc", 1000000000)))
	FOR i = 1 TO 4
		Print(PadLeft(Str(i * i * 37), 6) & PadLeft(Hex(i * i * 37), 6))
	NEXT i

	' Replacing, left to right, each match once.
	Print(Replace("one two two three", "two", "2"))
	Print(Replace("aaaaa", "aa", "b") & " " & Replace("x.y", ".", "..") & " " & Replace("keep", "", "y") & " " & Replace("a-b-c", "-", "") & " " & Replace("same", "x", "y"))

	' Hexadecimal: a negative number shows its 32 bits.
	Print("Hex: " & Hex(255) & " " & Hex(&H1F) & " " & Hex(0) & " " & Hex(-1) & " " & Hex(-256) & " " & Hex(2147483647))

	' StrComp: byte order, or letters without their case.
	Print("StrComp: " & StrComp("apple", "banana") & " " & StrComp("pear", "pear") & " " & StrComp("pears", "pear") & " " & StrComp("Pear", "pear") & " " & StrComp("Pear", "pear", 1) & " " & StrComp("Bravo", "alpha") & " " & StrComp("Bravo", "alpha", 1) & " " & StrComp("_", "a", 1))

	' Numbers as texts.
	price = 3.75
	zero = -1.0
	zero = zero * 0.0
	third = 2.0 / 3.0
	big = -2147483647
	Print("Str: " & Str(price) & " " & Str(price * 4) & " " & Str(-0.5) & " " & Str(0.1 + 0.2) & " " & Str(1.0 / 3.0) & " " & Str(zero) & " " & Str(third) & " " & Str(big) & " " & Str(12))
	Print("large and small: " & Str(123456789.0 * 1000000000.0) & " " & Str(1.0 / 3000000.0))
	Print("FormatNumber: " & FormatNumber(3.14159, 2) & " " & FormatNumber(2.675, 2) & " " & FormatNumber(-2.5, 0) & " " & FormatNumber(99.996, 2) & " " & FormatNumber(7, 3) & " " & FormatNumber(-0.001, 2) & " " & FormatNumber(1.5, -1))
	FOR i = 1 TO 3
		Print(PadLeft(Str(i), 2) & " x " & FormatNumber(price, 2) & " =" & PadLeft(FormatNumber(price * i, 2), 7))
	NEXT i
END FUNCTION
