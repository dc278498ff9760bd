' ledger.bas - objects made with NEW, used through PTR variables, freed.
USING Account
TYPE Entry
	label AS String
	amount AS Long
END TYPE
DIM entries(4) AS Entry
DIM total AS Long

FUNCTION Kind(amount AS Long) AS String
	SELECT CASE amount
	CASE 0
		Kind = "empty"
	CASE ELSE
		Kind = "entry"
	END SELECT
END FUNCTION

FUNCTION Main()
	DIM a AS Account PTR
	DIM b AS Account PTR
	DIM i AS Long
	entries(0).label = "rent"
	entries(0).amount = 500
	entries(1).label = "food"
	entries(1).amount = 120
	entries(2).label = "none"
	entries(2).amount = 0
	a = NEW Account
	a.SetOwner("Ada")
	total = 0
	FOR i = 0 TO 2
		a.Deposit(entries(i).amount)
		Print(entries(i).label + " is " + Kind(entries(i).amount))
	NEXT i
	Print(a.Describe())
	Print("balance " + Str(a.Balance))
	b = NEW Account
	Print(b.Describe())
	b = NOTHING
	a = NOTHING
	IF a = 0 THEN
		Print("closed")
	END IF
END FUNCTION
