USING Circle
USING Shape
