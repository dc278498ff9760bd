#include "driver/translator.h"

Translator::Translator(std::ostream& out) : console(out) {}

Translator::~Translator() {
    if (output.isOpen()) output.close();
    if (reader.isOpen()) reader.close();
}
