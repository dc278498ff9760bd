// Member access: chains of TYPE members and member variables of class
// objects. "->" follows what was declared PTR, "." everything else.
#include "driver/translator.h"
#include "expr/member_names.h"
#include "expr/nesting_guard.h"
#include "expr/output_capture.h"
#include "source/syntax_error.h"

namespace {

// Where the chain ended: the last member's type, whether that member (or
// the variable) is used whole, and whether it was declared PTR.
struct ChainEnd {
    std::string type;
    bool usedWhole;
    bool pointer;
};

// A pointer already is an address; a value of the TYPE the context expects
// is passed as it is.
bool needsAddress(bool takeAddress, const ChainEnd& end, const std::string& expectedType) {
    return takeAddress && end.usedWhole && !end.pointer && upperCase(expectedType) != upperCase(end.type);
}

// A pointer used whole where a value of its TYPE is expected (a BYREF
// parameter handed on by value) is followed to the value.
bool needsValue(const ChainEnd& end, const std::string& expectedType) {
    return end.usedWhole && end.pointer && !expectedType.empty() && upperCase(expectedType) == upperCase(end.type);
}

void writeChain(OutputBuffer& out, OutputCapture& chain, const ChainEnd& end, bool takeAddress,
                const std::string& expectedType) {
    const std::string text = chain.release();
    if (needsAddress(takeAddress, end, expectedType))
        out << "&";
    else if (needsValue(end, expectedType))
        out << "*";
    out << text;
}

/* plainmember -> member ["(" index ")"] */
ChainEnd plainMember(Translator& t, const VariableRecord& member) {
    SourceReader& r = t.reader;
    t.output << member.name;
    r.nextToken();
    if (member.isArray && r.is("(")) {
        t.translateIndex();
        r.nextToken();
    }
    return {member.type, false, member.isPointer};
}

// The member after a "." of a value of the TYPE typeName; the current
// token is its name.
const VariableRecord& memberOf(const Translator& t, const std::string& typeName) {
    const VariableRecord* member = t.findTypeField(typeName, t.reader.token);
    if (!member) throw SyntaxError{t.reader.tokenAsWritten + " is not a member of " + typeName + "."};
    return *member;
}

/* typemember -> member ["(" index ")"] ["=" | "." member ...] */
ChainEnd typeMemberChain(Translator& t, const std::string& parentType) {
    NestingGuard guard(t);
    SourceReader& r = t.reader;
    const VariableRecord& member = memberOf(t, parentType);
    t.output << member.name;
    r.nextToken();
    if (member.isArray && r.is("(")) {
        t.translateIndex();
        r.nextToken();
    }
    // The member is given another value whole: a pointer, or a copy of a TYPE value.
    if (r.is("=")) return {member.type, false, member.isPointer};
    if (!r.is(".")) return {member.type, true, member.isPointer};
    r.nextToken();
    const VariableRecord& next = memberOf(t, member.type);
    t.output << (member.isPointer ? "->" : ".");
    if (t.isTypeName(next.type)) return typeMemberChain(t, member.type);
    return plainMember(t, next);
}

}  // namespace

/* typeaccess -> variable ["(" index ")"] ["." member {"." member}] */
std::string Translator::translateMemberAccess(const VariableLookup& variable, const std::string& typeName,
                                              const std::string& expectedType, bool takeAddress) {
    NestingGuard guard(*this);
    SourceReader& r = reader;
    const bool pointer = variable.isPointer();
    // Held back until it is known whether an "&" goes in front.
    OutputCapture chain(output);
    output << variable.writtenName(r.tokenAsWritten);
    r.nextToken();
    if (variable.isArray() && r.is("(")) {
        translateIndex();
        r.nextToken();
    }
    if (!r.is(".")) {
        // Before "=" the whole variable is assigned; otherwise it is used whole.
        const ChainEnd whole{typeName, !r.is("="), pointer};
        writeChain(output, chain, whole, takeAddress, expectedType);
        return std::string();
    }
    r.nextToken();
    const VariableRecord& member = memberOf(*this, typeName);
    output << (pointer ? "->" : ".");
    const ChainEnd end = isTypeName(member.type) ? typeMemberChain(*this, typeName) : plainMember(*this, member);
    writeChain(output, chain, end, takeAddress, expectedType);
    return end.type;
}

// By the current token: its lookups are made here.
std::string Translator::translateMemberAccess(const std::string& expectedType, bool takeAddress) {
    return translateMemberAccess(lookUpVariable(reader.token), variableStructType(reader.token), expectedType,
                                 takeAddress);
}

/* classmember -> member ["(" index ")"] */
// By the object's name: its class and whether it is a pointer are looked up.
std::string Translator::translateClassMember(const std::string& objectName) {
    return translateClassMember(objectName, objectClassName(*this, objectName), isPointerVariable(objectName));
}

std::string Translator::translateClassMember(const std::string& objectName, const std::string& className,
                                             bool pointer) {
    NestingGuard guard(*this);
    SourceReader& r = reader;
    if (className.empty()) throw SyntaxError{"Internal parser error - " + objectName};
    const VariableRecord* member = findMemberVariable(className, r.token);
    if (!member) throw SyntaxError{r.tokenAsWritten + " is not a member of class " + objectName};
    if (!reachesMember(*member))
        throw SyntaxError{member->name + " is " + (member->scope == SCOPE_PRIVATE ? "PRIVATE" : "PROTECTED") +
                          " in class " + className + ": only the class's methods reach it; give the class a "
                          "PUBLIC method or property for it."};
    output << (pointer ? "->" : ".") << member->name;
    r.nextToken();
    if (r.is("(")) {
        translateIndex();
        r.nextToken();
    }
    if (r.is(".")) throw SyntaxError{oneMemberAtATime};
    return member->type;
}
