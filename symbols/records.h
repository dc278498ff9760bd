// Symbol records: one per module, function, variable and user type.
// Names are stored as written; the lookups compare them with their own
// letter-case rules.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "symbols/interned_text.h"
#include "symbols/rare_text.h"

// Access codes shared by the three record kinds.
enum : int32_t {
    SCOPE_PUBLIC = 0,
    SCOPE_PROTECTED = 1,
    SCOPE_PRIVATE = 2,
    SCOPE_STATIC_VARIABLE = 4,
    // Added to the access code of a STATIC FUNCTION on its way to the
    // function-header parser (10 public, 11 protected, 12 private).
    STATIC_FUNCTION_SCOPE = 10,
};

struct FunctionRecord;

// What few variables have (VariableRecord reads them).
struct VariableDetails {
    std::string constValue;
    std::string arraySizeName;
    std::string initialValue;
    std::shared_ptr<FunctionRecord> functionPointer;
};

// A variable, constant, parameter or user-type field.
struct VariableRecord {
    VariableRecord()
        : byRef(false), isConstant(false), isMacro(false), isPointer(false), isArray(false),
          declaredEarly(false), declaredInProcedure(false), inMainProgram(false) {}

    // Texts first, then numbers, then one bit per flag: the record stays
    // small, one is kept for every parameter of every function.
    std::string name;
    InternedText type;
    // A constant's value, an array's size constant, an initial value, a
    // function pointer's shape: held apart, few variables have any.
    const std::string& constValue() const { return details_.get().constValue; }
    const std::string& arraySizeName() const { return details_.get().arraySizeName; }
    // A module variable's or class member's initial value as C++ text;
    // empty when it has none.
    const std::string& initialValue() const { return details_.get().initialValue; }
    // A parameter declared AS FUNCTION(...): the shape it points to, whose
    // C++ type is its `type`; none for any other.
    const std::shared_ptr<FunctionRecord>& functionPointer() const { return details_.get().functionPointer; }
    // The same, to be set.
    VariableDetails& editDetails() { return details_.edit(); }
    RareBox<VariableDetails> details_;
    int32_t scope = 0;
    int32_t arraySize = 0;
    int32_t declaredLine = 0;
    bool byRef : 1;
    bool isConstant : 1;
    // A DEFINE: a macro in the generated C++, where a CONST is a constant.
    bool isMacro : 1;
    bool isPointer : 1;
    bool isArray : 1;
    // A module-level constant or variable below the module's first
    // procedure was declared in front of the procedures already.
    bool declaredEarly : 1;
    // A constant declared inside a procedure (not declared early).
    bool declaredInProcedure : 1;
    // Declared by the main program, whose .cpp alone holds it.
    bool inMainProgram : 1;
};

// A function, sub, constructor, destructor, DECLAREd import, property
// accessor, function-pointer type or built-in function.
struct FunctionRecord {
    FunctionRecord()
        : builtIn(false), isFunctionPointer(false), isProperty(false), isPureVirtual(false), returnsPointer(false),
          isExternal(false), isStatic(false), inMainProgram(false), inLibraryNamespace(false),
          hasLibraryForms(false) {}

    // Kept small as VariableRecord is: one for every function.
    std::vector<std::shared_ptr<VariableRecord>> parameters;
    std::string name;
    InternedText returnType;
    RareText aliasName;
    int32_t declaredLine = 0;
    int32_t paramCount = 0;
    // An array of function pointers: its element count; 0 for one pointer.
    int32_t elementCount = 0;
    // An access code (SCOPE_...): small numbers, one byte.
    int8_t scope = 0;
    bool builtIn : 1;
    bool isFunctionPointer : 1;
    bool isProperty : 1;
    bool isPureVirtual : 1;
    bool returnsPointer : 1;
    bool isExternal : 1;
    bool isStatic : 1;
    // Declared by the main program, whose .cpp alone holds it.
    bool inMainProgram : 1;
    // A library function that lives in the C++ namespace quillkit.
    bool inLibraryNamespace : 1;
    // A library function declared more than once: a call chooses its form.
    bool hasLibraryForms : 1;
};

// The name a call writes: a library function in its namespace, any other
// as declared.
inline std::string writtenName(const FunctionRecord& function) {
    return function.inLibraryNamespace ? "quillkit::" + function.name : function.name;
}

// A user type (TYPE ... END TYPE).
struct TypeRecord {
    virtual ~TypeRecord() = default;

    std::vector<std::shared_ptr<VariableRecord>> fields;
    std::string name;
    int32_t scope = 0;
    // The TYPE line, and whether the struct was written in front of the
    // module's procedures already (it stands below the first of them).
    int32_t declaredLine = 0;
    bool declaredEarly = false;
    // Declared by the main program, whose .cpp alone holds it.
    bool inMainProgram = false;
};

// One source module. Records are shared: a derived class's module lists the
// very records of its base (nothing is copied), so lists hold shared owners.
struct ModuleRecord {
    // A module created for the main program: its file name is set afterwards.
    ModuleRecord();
    // A module registered by name (Quillkit, USING).
    explicit ModuleRecord(std::string fileName);
    virtual ~ModuleRecord() = default;

    bool hasPureVirtual = false;
    std::string cppFileName;
    bool isApiModule = false;
    bool isInterfaceModule = false;
    bool interfaceSkip = false;
    std::string className;
    bool isClassModule = false;
    std::vector<std::shared_ptr<FunctionRecord>> functions;
    std::vector<std::shared_ptr<VariableRecord>> variables;
    std::vector<std::string> usedModules;
    std::vector<std::shared_ptr<TypeRecord>> types;
    std::string fileName;
    std::string baseClassName;
    // The prototypes (and early declarations) in front of the module's
    // first procedure have been written.
    bool prototypesWritten = false;
    // The conversion pass has read the module's CLASS line.
    bool classLineConverted = false;
    // Members appended from a base class: the class header leaves them out,
    // since they reach C++ through the base.
    std::vector<const FunctionRecord*> inheritedFunctions;
    std::vector<const VariableRecord*> inheritedVariables;

private:
    void addBuiltInFunctions();
};

// The class a module declares and the class it extends; empty for none.
const std::string& classNameOf(const ModuleRecord* module);
const std::string& baseNameOf(const ModuleRecord* module);

// The nine built-in type names, upper case.
extern const char* const builtInTypeNames[9];
// Whether `upperName` is one of them, exactly.
bool isBuiltInTypeKey(const std::string& upperName);

// The value of a digits-only token, held at INT32_MAX rather than overflowing.
int32_t decimalValue(const std::string& digits);

// A digits-only token as a C++ literal of the same decimal value: without
// the leading zeros that would make C++ read it as octal (010 is ten).
// Any other text unchanged.
std::string decimalText(const std::string& digits);

// A name that may become a file name or reach a command line: a letter or
// "_" first, then letters, digits and "_".
bool isPlainName(const std::string& text);

// A type name as generated C++ writes it: the built-in types (and Any) in
// the one spelling the support header defines, whatever the letter case of
// the source ("string" would otherwise name std::string); any other name
// as written.
std::string typeSpelling(const std::string& asWritten);

// A function pointer's C++ type with `declarator` where its name goes:
// "Long(*h)(Long,String)"; with none, the type alone, "Long(*)(Long,String)".
std::string functionPointerText(const FunctionRecord& shape, const std::string& declarator);

// Upper-cases a to z only; every other byte is unchanged.
std::string upperCase(std::string text);
