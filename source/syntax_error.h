// The two kinds of failure that leave parsing code.
#pragma once

#include <string>

// A syntax error in a BASIC source: the message text alone. The position is
// read from the reader where the error is caught and reported.
struct SyntaxError {
    std::string message;
};

// A stop that ends the whole run (a module that cannot be opened, a base
// class that is not a class). The entry point prints the message, which
// carries its own line feed where it has one, and ends with the status.
struct FatalStop {
    std::string message;
    int status = 1;
};
