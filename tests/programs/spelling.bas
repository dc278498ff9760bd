' spelling.bas - type names and keywords in any letter case.
dim greeting as string
dim count as long
dim small as byte
dim flag as boolean
dim ratio as double

function twice(n as LONG) as long
	twice = n * 2
end function

function main()
	dim local as STRING
	greeting = "hi"
	local = greeting + " there"
	count = twice(21)
	small = 200
	ratio = 2.5
	print(local)
	print(str(count))
	print(str(small))
	if count = 42 then
		print("forty-two")
	end if
end function
