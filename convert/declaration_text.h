// How module-level declarations are spelled in C++. The module's .cpp and
// the header that other modules include share these, so the two agree.
#pragma once

#include <string>

#include "expr/output_buffer.h"
#include "symbols/records.h"

class Translator;

// A TYPE as a struct.
void writeStruct(OutputBuffer& out, const TypeRecord& type);
// A class module whose members, or methods' parameters and results, are of
// a TYPE of its own: its header holds all its TYPEs, and its .cpp none.
bool classHeaderHoldsTypes(const ModuleRecord& module);
// A CONST (a const) or DEFINE (a macro) as its line writes it.
void writeConstantDefinition(OutputBuffer& out, const VariableRecord& constant);
// A CONST's C++ type with its "const " and a blank after it, and its value
// as C++ writes it (&H digits as 0x).
std::string constantCppType(const VariableRecord& constant);
std::string constantCppValue(const std::string& value);
// The declarator of a variable or member: its "*"s and its size (an array
// of PTR elements keeps both).
std::string declarator(const VariableRecord& variable);
// A module variable's extern declaration; nothing for one that other
// translation units cannot name: STATIC, or a function pointer, whose
// typedef stands only at its own line.
void writeExternDeclaration(OutputBuffer& out, const VariableRecord& variable);
// A function-pointer variable's typedef, named by its return type and its
// name written together: "typedef Long(*Longh)(Long,String);".
std::string functionPointerTypedef(const FunctionRecord& pointer);
// The variable under that typedef: "Longh h", or "Longh h[3]" for an array.
std::string functionPointerDeclarator(const FunctionRecord& pointer);
// Imports, built-ins and function-pointer variables are declared elsewhere;
// every other function of a module has a prototype.
bool hasPrototype(const FunctionRecord& function);
// The prototype of a function; `linkage` stands in front unless it is STATIC.
void writePrototype(OutputBuffer& out, const Translator& t, const FunctionRecord& function, const char* linkage);
