// prog.cpp of an earlier run
