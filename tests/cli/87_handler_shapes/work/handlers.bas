' A handler of another shape than the event takes is refused at its line.
FUNCTION Clicked(source AS Long)
END FUNCTION
FUNCTION Wrong()
END FUNCTION
FUNCTION Closing(w AS Long) AS Long
END FUNCTION
FUNCTION Main()
    DIM b AS Long
    OnClick(b, ADDRESSOF Clicked)
    OnClick(b, ADDRESSOF Wrong)
    OnClick(b, Wrong)
    OnClose(b, ADDRESSOF Clicked)
    OnClose(b, ADDRESSOF Closing)
    OnMouse(b, ADDRESSOF Closing)
END FUNCTION
