USING Tools
DIM 2x AS Long
CLASS
DIM ok AS Long
