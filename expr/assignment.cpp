// Assignment statements: a variable, array element, TYPE member, class
// member or property as the target, "=", and a value or one of the object
// forms NOTHING, CLASSCAST and NEW; and the function result, which becomes
// a return statement (or, without "=", a call of the function itself).
#include "driver/translator.h"
#include "symbols/names.h"
#include "expr/assignment_values.h"
#include "expr/member_names.h"
#include "expr/output_capture.h"
#include "expr/short_index.h"
#include "source/syntax_error.h"

namespace {


// What the target turned out to be.
struct Target {
    std::string name;        // the variable, declared spelling
    std::string type;        // decides casts and quoting of the value
    bool pointer = false;    // the variable or member assigned was declared PTR
    bool complete = false;   // a method or property call was the whole statement
};

/* member -> "." (membervariable | method ...) ; the "." is current */
void objectMember(Translator& t, Target& target, const VariableLookup& object, const TypeKind& kind) {
    SourceReader& r = t.reader;
    r.nextToken();
    const std::string className = kind.classModule ? kind.classModule->className : std::string();
    const VariableRecord* member = t.findMemberVariable(className, r.token);
    if (!member && t.findMemberFunction(className, r.token)) {
        // A property given a value with "=" is written by the member call.
        target.type = t.translateMemberCall(className, object.isPointer());
        target.complete = true;
        return;
    }
    target.type = t.translateClassMember(target.name, className, object.isPointer());
    target.pointer = member && member->isPointer;
}

/* objecttarget -> object ["(" index ")"] [member] */
void objectTarget(Translator& t, Target& target, const VariableLookup& object, const TypeKind& kind) {
    SourceReader& r = t.reader;
    r.nextToken();
    t.output << target.name;
    if (r.is("=")) return;
    if (object.isArray() && r.is("(")) {
        t.translateIndex();
        r.nextToken();
    }
    if (r.is(".")) objectMember(t, target, object, kind);
}

/* plaintarget -> variable ["(" index ")"] */
void plainTarget(Translator& t, const Target& target, const VariableLookup& variable) {
    SourceReader& r = t.reader;
    r.nextToken();
    t.output << target.name;
    if (variable.isArray() && r.is("(")) {
        t.translateIndex();
        r.nextToken();
    }
}

// Writes the target; the token after it is current afterwards.
Target translateTarget(Translator& t, const VariableLookup& variable, const TypeKind& kind) {
    SourceReader& r = t.reader;
    Target target;
    if (variable.typed) {
        t.requireVisible(variable.typed->inMainProgram, variable.typed->name);
        target.type = variable.typed->type;
    }
    target.name = variable.writtenName(r.tokenAsWritten);
    target.pointer = variable.isPointer();
    const TypeRecord* structType = kind.structType;
    if (structType && !structType->name.empty()) {
        // A member gives its own type; the variable assigned whole keeps its TYPE.
        const std::string memberType =
            t.translateMemberAccess(variable, structType->name, target.type, variable.isArray());
        if (!memberType.empty() || !r.is("=")) target.type = memberType;
    }
    else if (kind.isClass)
        objectTarget(t, target, variable, kind);
    else if (!target.type.empty())
        plainTarget(t, target, variable);
    return target;
}

/* nothing -> NOTHING ; the object goes first, then the pointer is cleared */
void destroyTarget(Translator& t, const std::string& written, bool wholeArray) {
    t.output << "delete " << (wholeArray ? "[] " : "") << written << ";\n"
             << t.reader.indent << written << "=0";
}

// The end of an object value: the statement's, or in a declaration line
// also a "," before the next name.
void expectValueEnd(const SourceReader& r, bool listItem) {
    if (listItem && r.is(",")) return;
    r.expectLineEnd("Expected end of line.");
}

/* classcast -> CLASSCAST "(" object ["(" index ")"] ")" EOL */
void classCast(Translator& t, const Target& target, bool listItem = false) {
    SourceReader& r = t.reader;
    if (!target.pointer) throw SyntaxError{"Expected assignment to class pointer."};
    r.nextToken();
    r.skip("(", "Expected ( for opening of  function call.");
    const VariableLookup variable = t.lookUpVariable(r.token);
    if (!t.isClassName(variable.type())) throw SyntaxError{"Expected a class variable for ClassCast."};
    const std::string object = variable.writtenName(r.tokenAsWritten);
    r.nextToken();
    t.output << "static_cast<" << classSpelling(t, target.type, target.type) << "*>(" << object;
    // The element of an object array, any variable as its index.
    if (r.is("("))
        translateShortIndex(t, object, variable.isArray(),
                            {"", false, true, false, false, "Syntax error.", "Expected ) for closing of array index"});
    r.skip(")", "Expected ) for closing of function call.");
    expectValueEnd(r, listItem);
    t.output << ")";
}

bool isNewType(const std::string& upperName) {
    static const char* const types[] = {"STRING", "LONG",   "INTEGER", "BYTE",  "CHAR",
                                        "FLOAT",  "SINGLE", "BOOLEAN", "DOUBLE"};
    for (const char* type : types)
        if (upperName == type) return true;
    return false;
}

// FLOAT is C++'s own float; the other types as the support header spells them.
std::string newTypeSpelling(const std::string& upperName) {
    return upperName == "FLOAT" ? std::string("float") : typeSpelling(upperName);
}

/* new -> NEW (class | type) ["(" count ")"] EOL ; the count for a dynamic array */
void newObject(Translator& t, const Target& target, bool wholeArray, bool listItem = false) {
    SourceReader& r = t.reader;
    t.output << "new ";
    r.nextToken();
    const bool isClass = t.isClassName(r.token);
    if (!isClass && !isNewType(r.token)) throw SyntaxError{"Expected class name for new "};
    t.output << (isClass ? classSpelling(t, r.token, r.token) : newTypeSpelling(r.token));
    r.nextToken();
    if (wholeArray && t.variableArraySize(target.name) == -1) {
        r.expect("(", "expected ( for creating array of pointers");
        // An array of PTR elements gets the pointers; NEW makes each object.
        if (target.pointer) t.output << "*";
        t.translateIndex();
        r.nextToken();
    }
    if (r.is("(") && isClass)
        throw SyntaxError{"NEW takes no arguments: the CLASSCONSTRUCTOR takes none; set the object's members after NEW."};
    expectValueEnd(r, listItem);
}

// The procedure being converted: a method of the class module before a
// function of the same name elsewhere; for a property its GET accessor.
const FunctionRecord* currentFunction(const Translator& t) {
    const std::string& name = t.reader.token;
    const FunctionRecord* found = nullptr;
    if (t.currentModule && t.currentModule->isClassModule) found = t.symbols.ownFunction(*t.currentModule, name, false);
    if (!found) found = t.findFunction(name);
    if (found && found->isProperty)
        if (const FunctionRecord* getter = t.findProperty("GET" + name)) found = getter;
    return found;
}

}  // namespace

/* assignment -> target "=" (NOTHING | CLASSCAST ... | NEW ... | value) */
void Translator::translateAssignment(const VariableLookup& variable, const TypeKind& kind) {
    SourceReader& r = reader;
    // NOTHING rewrites the target, so it is held back until the value is seen.
    OutputCapture capture(output);
    const Target target = translateTarget(*this, variable, kind);
    if (target.complete) return;
    if (r.is(".") && (kind.isClass || kind.structType)) throw SyntaxError{oneMemberAtATime};
    r.expect("=", "Expected = for assignment of variable.");
    output << "=";
    r.nextToken();
    std::string written = capture.release();
    if (!written.empty()) written.pop_back();  // the "="
    // The array itself, not an element or a member of it.
    const bool wholeArray = variable.isArray() && sameName(written, target.name);
    if (r.is("NOTHING")) {
        destroyTarget(*this, written, wholeArray);
        return;
    }
    // A BYREF parameter assigned whole: the caller's value is replaced.
    if (written == target.name && variable.isAddressParameter()) output << "*";
    output << written << "=";
    if (r.is("CLASSCAST"))
        classCast(*this, target);
    else if (r.is("NEW"))
        newObject(*this, target, wholeArray);
    else
        translateAssignmentValue(*this, target.type);
}

// By the current token: its lookups are made here.
void Translator::translateAssignment() {
    const VariableLookup variable = lookUpVariable(reader.token);
    translateAssignment(variable, typeKind(variable.type()));
}

/* initial -> CLASSCAST ... | NEW ... | value ; after "=" in a declaration line */
void Translator::translateInitialValue(const std::string& type, bool pointer) {
    SourceReader& r = reader;
    if (r.is("NOTHING")) throw SyntaxError{"NOTHING is no initial value: a variable declared without one starts at 0."};
    Target target;
    target.type = type;
    target.pointer = pointer;
    if (r.is("CLASSCAST"))
        classCast(*this, target, true);
    else if (r.is("NEW"))
        newObject(*this, target, false, true);
    else
        translateDeclarationValue(*this, type);
}

/* result -> function "=" value | function "(" args ")" */
void Translator::translateReturnAssignment() {
    SourceReader& r = reader;
    const FunctionRecord* function = currentFunction(*this);
    if (!function) throw SyntaxError{"Invalid Function."};
    r.nextToken();
    if (!r.is("=")) {
        // The procedure calls itself, its arguments in parentheses or not.
        output << function->name;
        if (r.is("(") || function->isProperty)
            translateCallArguments(*function, false);
        else
            translateStatementArguments(*function);
        return;
    }
    output << reader.indent << "return ";
    if (function->returnsPointer) output << "(" << function->returnType.str() << "*)";
    r.nextToken();
    translateResultValue(*this, *function);
}
