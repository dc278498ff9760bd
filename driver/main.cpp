#include <iostream>
#include <string>
#include <vector>

#include "driver/translator.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
    int status;
    {
        Translator translator(std::cout);
        status = translator.run(arguments);
    }
    std::cout.flush();
    return status;
}
