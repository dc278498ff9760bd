DIM x AS Long ' counter
DIM y AS
DIM z AS Long ' last line, no line feed