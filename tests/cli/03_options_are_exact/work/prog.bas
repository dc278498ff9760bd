DIM x AS Long
