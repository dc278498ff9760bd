// HELPERS.cpp of an earlier run
