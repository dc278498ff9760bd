#include "driver/translator.h"

Translator::Translator(std::ostream& out) : console(out) {}

Translator::~Translator() {
    if (output.is_open()) output.close();
    if (reader.isOpen()) reader.close();
}
