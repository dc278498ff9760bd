' boxes.bas - a message box that nobody can answer natively (no timer runs)
' is closed with OK, as the other dialogs are cancelled: nothing is printed.
FUNCTION Main()
	DIM answer AS Long
	answer = MsgBox("Saved.", "Ledger")
	Print("answer " + Str(answer))
	IF AppInstance() <> 0 THEN
		Print("instance set")
	END IF
END FUNCTION
