// Spellings settled once every module is known: C++ tells names apart by
// letter case, BASIC does not, so every name the generated code writes
// takes the one spelling its declaration gave it.
#include <algorithm>

#include "driver/translator.h"
#include "symbols/colliding_names.h"

// The names Quillkit offered from the start are written as they are; every
// function it gained since lives in the C++ namespace quillkit, where no
// name of a program meets it, and a call names it there.
void Translator::settleLibraryNamespace() {
    static const char* const firstNames[] = {"Left", "Right", "Mid",  "Len", "InStr", "UCase", "LCase",
                                             "Trim", "Str",   "Val",  "Chr", "Asc",   "Print", "MsgBox",
                                             "Abs",  "Sqr",   "Sin",  "Cos", "Rnd",   "AppInstance"};
    if (modules.size() < 2) return;
    // The Quillkit module is always the second.
    for (const auto& function : modules[1]->functions) {
        if (function->builtIn) continue;
        bool first = false;
        for (const char* name : firstNames) first = first || sameName(function->name, name);
        function->inLibraryNamespace = !first;
        function->hasLibraryForms = !symbols.libraryForms(*function).empty();
    }
}

// Names the program declares that C++ has already (size, remove, EOF,
// default...) take another letter case in the generated code: BASIC finds
// them all the same. The support modules' names are the library's own.
void Translator::settleNameSpellings() {
    for (const auto& module : modules) {
        if (module->isInterfaceModule || module->interfaceSkip) continue;
        // A plain program's or module's variables and functions are declared
        // at file scope in C++, as every TYPE is; a class's are its members.
        const bool fileScope = !module->isClassModule;
        for (const auto& variable : module->variables)
            variable->name = fileScope && !variable->isConstant ? fileScopeSpelling(variable->name)
                                                                : collisionFreeSpelling(variable->name);
        for (const auto& type : module->types) {
            type->name = fileScopeSpelling(type->name);
            for (const auto& field : type->fields) field->name = collisionFreeSpelling(field->name);
        }
        for (const auto& function : module->functions) {
            if (function->builtIn) continue;
            for (const auto& parameter : function->parameters)
                parameter->name = collisionFreeSpelling(parameter->name);
            // Constructors and destructors are named by their class.
            if (function->name == module->className || function->name == "~" + module->className) continue;
            function->name = fileScope ? fileScopeSpelling(function->name) : collisionFreeSpelling(function->name);
        }
    }
}

// C++ names are case-sensitive: every type text of the records takes the
// spelling its declaration gave it, once all modules are known.
void Translator::settleTypeSpellings() {
    settleNameSpellings();
    settleLibraryNamespace();
    for (const auto& module : modules) {
        if (!module->baseClassName.empty()) module->baseClassName = declaredTypeSpelling(module->baseClassName);
        for (const auto& variable : module->variables) variable->type = declaredTypeSpelling(variable->type);
        for (const auto& type : module->types)
            for (const auto& field : type->fields) field->type = declaredTypeSpelling(field->type);
        for (const auto& function : module->functions) {
            if (function->builtIn) continue;
            function->returnType = declaredTypeSpelling(function->returnType);
            for (const auto& parameter : function->parameters) {
                parameter->type = declaredTypeSpelling(parameter->type);
                // A function-pointer parameter's type is written from its shape.
                if (const auto& shape = parameter->functionPointer()) {
                    shape->returnType = declaredTypeSpelling(shape->returnType);
                    for (const auto& inner : shape->parameters) inner->type = declaredTypeSpelling(inner->type);
                    parameter->type = functionPointerText(*shape, "");
                }
            }
        }
    }
    symbols.changed();
    settleOverrideSpellings();
    settleSizeNames();
    symbols.changed();
}

// A method that overrides one of a base class in another letter case
// (describe over Describe) is the same method: it takes the base's
// spelling, so that C++ overrides it too. The furthest base decides.
void Translator::settleOverrideSpellings() {
    for (const auto& module : modules) {
        if (!module->isClassModule || module->baseClassName.empty()) continue;
        for (const auto& function : module->functions) {
            if (function->builtIn || function->name == module->className ||
                function->name == "~" + module->className)
                continue;
            std::vector<std::string> passed{module->className};
            for (std::string base = module->baseClassName; !base.empty();) {
                const ModuleRecord* baseModule = symbols.lastModuleOfClass(base);
                if (!baseModule || std::find(passed.begin(), passed.end(), base) != passed.end()) break;
                passed.push_back(base);
                for (const auto& inherited : baseModule->functions) {
                    if (inherited->isProperty != function->isProperty) continue;
                    // A property's accessors are told apart by their Get and Set names.
                    if (function->isProperty ? !sameName(inherited->aliasName, function->aliasName)
                                             : !sameName(inherited->name, function->name))
                        continue;
                    function->name = inherited->name;
                    function->aliasName = inherited->aliasName;
                }
                base = baseModule->baseClassName;
            }
        }
    }
}

// A TYPE field sized by a constant is written with the constant's own
// spelling (cells(maxn) for CONST MAXN): the module's constant first, then
// a plain module's.
void Translator::settleSizeNames() {
    for (const auto& module : modules)
        for (const auto& type : module->types)
            for (const auto& field : type->fields) {
                if (field->arraySizeName().empty()) continue;
                const std::string settled = collisionFreeSpelling(field->arraySizeName());
                const VariableRecord* constant = findConstant(*module, settled);
                field->editDetails().arraySizeName = constant ? constant->name : settled;
            }
}
