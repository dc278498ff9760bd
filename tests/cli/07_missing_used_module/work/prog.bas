DIM a AS Long
USING Nope
