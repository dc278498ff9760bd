CLASS Shape
FUNCTION Draw() AS Long = 0
PRIVATE w AS Long
