DIM t AS Long
