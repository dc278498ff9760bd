// The declaration pass: registers every module's declarations.
#include "driver/translator.h"

// So far only the main module is registered; its declarations are not read yet.
void Translator::runDeclarationPass(std::string fileName) {
    insideProcedure = false;
    if (modules.empty()) {
        modules.push_back(std::make_unique<ModuleRecord>());
        modules.back()->fileName = fileName;
        currentModule = modules.back().get();
    }
    ModuleRecord* module = modules.front().get();
    module->cppFileName = changeExtension(module->fileName, "cpp");
    scannedModule = module;
}
