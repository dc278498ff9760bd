DIM a AS Long
