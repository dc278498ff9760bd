// Greeting.h - shared by Greeting.rc and the programs that use it.
