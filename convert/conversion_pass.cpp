// The conversion pass: writes the C++ text of the current module.
#include "driver/translator.h"

// Nothing is written yet: the statement rules come with the emitters.
void Translator::convertCurrentModule() {}
