' Procedures as arguments through function-pointer parameters, and
' function-pointer variables at module level: in the program, a plain
' module, an API module and a class.
USING Events
USING Gui
USING Button
DIM onTick AS FUNCTION(n AS Long)

FUNCTION Clicked(c AS Long)
	Print("clicked " + Str(c))
END FUNCTION

FUNCTION Twice(x AS Double) AS Double
	Twice = x * 2
END FUNCTION

FUNCTION Hello()
	Print("hello")
END FUNCTION

FUNCTION SetHandler(handler AS FUNCTION(c AS Long))
	DIM h AS FUNCTION(c AS Long)
	handler(5)
	handler 6
	h = handler
	Relay(handler, 7)
	Relay h, 8
END FUNCTION

FUNCTION Relay(f AS FUNCTION(c AS Long), k AS Long)
	IF k > 0 THEN f(k)
END FUNCTION

FUNCTION Apply(f AS FUNCTION(x AS Double) AS Double, v AS Double) AS Double
	Apply = f(v)
END FUNCTION

FUNCTION RunIt(g AS FUNCTION())
	g()
END FUNCTION

FUNCTION Main()
	DIM b AS Button PTR
	SetHandler(ADDRESSOF Clicked)
	SetHandler ADDRESSOF Clicked
	Relay(0, 0)
	Print(Str(Apply(ADDRESSOF Twice, 21)))
	RunIt(ADDRESSOF Hello)
	onTick = ADDRESSOF Clicked
	later = onTick
	Tock(3)
	Notify(ADDRESSOF Clicked)
	Register ADDRESSOF Clicked
	b = NEW Button
	b.OnPress(ADDRESSOF Button::Beep)
	b.Press()
END FUNCTION

FUNCTION Tock(n AS Long)
	later(n)
END FUNCTION

' Below the procedures that use it.
DIM later AS FUNCTION(n AS Long)
