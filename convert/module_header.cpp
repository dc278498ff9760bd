// The header of a plain module: what the modules that use it see of it.
// The module's .cpp defines all of it and does not include the header.
#include "convert/declaration_text.h"
#include "driver/host.h"
#include "driver/translator.h"

// A module of plain FUNCTIONs and data, used through USING: compiled with
// the program, seen by the other modules through its generated header.
bool Translator::isPlainModule(const ModuleRecord& module) const {
    if (modules.empty() || &module == modules.front().get()) return false;
    return !module.isClassModule && !module.isApiModule && !module.interfaceSkip && !module.isInterfaceModule;
}

void Translator::emitModuleHeader(const ModuleRecord& module) {
    const std::string fileName = changeExtension(module.fileName, "h");
    const std::string guard = "_" + stripExtension(module.fileName) + "_MODULE_";
    OutputBuffer header(host::nativePath(fileName));
    header << "#ifndef " << guard << "\n"
           << "#define " << guard << "\n"
           << "#include <string>\n"
           << "#include \"qztypes.h\"\n"
           << "#include \"quillkit.h\"\n";
    // As the module's USING lines include them: by the name of the file.
    for (const std::string& used : module.usedModules) header << "#include \"" << upperCase(used) << ".h\"\n";
    header << "using namespace std;\n";

    // Constants first: a field's array size may name one.
    for (const auto& variable : module.variables)
        if (variable->isConstant && !variable->declaredInProcedure) writeConstantDefinition(header, *variable);
    // A TYPE inside a procedure (no module line) is that procedure's own.
    for (const auto& type : module.types)
        if (type->declaredLine > 0) writeStruct(header, *type);
    for (const auto& variable : module.variables)
        if (!variable->isConstant) writeExternDeclaration(header, *variable);
    for (const auto& pointer : module.functions)
        if (pointer->isFunctionPointer && pointer->scope != SCOPE_STATIC_VARIABLE)
            header << functionPointerTypedef(*pointer) << "\nextern " << functionPointerDeclarator(*pointer) << ";\n";
    // A STATIC FUNCTION belongs to its own module.
    for (const auto& function : module.functions)
        if (hasPrototype(*function) && !function->isStatic) writePrototype(header, *this, *function, "");
    header << "#endif\n";
    if (!header.close()) reportUnwritable(fileName);
}
