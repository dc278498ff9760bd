' boxes.bas - a message box is a line of text when the program runs natively.
FUNCTION Main()
	DIM answer AS Long
	answer = MsgBox("Saved.", "Ledger")
	Print("answer " + Str(answer))
	IF AppInstance() <> 0 THEN
		Print("instance set")
	END IF
END FUNCTION
