#include "symbols/records.h"

#include <cstring>
#include <utility>

#include "symbols/names.h"

const char* const builtInTypeNames[9] = {
    "LONG", "INTEGER", "BYTE", "BOOLEAN", "STRING",
    "SINGLE", "DOUBLE", "SHORT", "CHAR",
};

bool isBuiltInTypeKey(const std::string& upperName) {
    // Most names are told apart by their length alone.
    const size_t size = upperName.size();
    if (size < 4 || size > 7) return false;
    for (const char* builtIn : builtInTypeNames)
        if (std::strlen(builtIn) == size && std::memcmp(builtIn, upperName.data(), size) == 0) return true;
    return false;
}

std::string typeSpelling(const std::string& asWritten) {
    static const std::string spellings[] = {"Long",   "Integer", "Byte",  "Boolean", "String",
                                            "Single", "Double",  "Short", "Char",    "Any"};
    for (const std::string& spelling : spellings)
        if (sameName(asWritten, spelling)) return spelling;
    return asWritten;
}

std::string functionPointerText(const FunctionRecord& shape, const std::string& declarator) {
    std::string text = shape.returnType.str() + "(*" + declarator + ")(";
    for (size_t i = 0; i < shape.parameters.size(); ++i) text += (i > 0 ? "," : "") + shape.parameters[i]->type.str();
    return text + ")";
}

std::string upperCase(std::string text) {
    // Bytewise and locale-free: names are compared as raw bytes elsewhere.
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

std::string decimalText(const std::string& digits) {
    if (digits.size() < 2 || digits[0] != '0') return digits;
    for (char c : digits)
        if (c < '0' || c > '9') return digits;
    const size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string("0") : digits.substr(first);
}

int32_t decimalValue(const std::string& digits) {
    int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > INT32_MAX) return INT32_MAX;
    }
    return static_cast<int32_t>(value);
}

bool isPlainName(const std::string& text) {
    if (text.empty()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !(digit && i > 0)) return false;
    }
    return true;
}

ModuleRecord::ModuleRecord() { addBuiltInFunctions(); }

ModuleRecord::ModuleRecord(std::string fileName) : fileName(std::move(fileName)) {
    addBuiltInFunctions();
}

namespace {

struct BuiltInParameter {
    const char* name;
    const char* type;
    bool byRef;
};

struct BuiltInFunction {
    const char* name;
    const char* returnType;
    std::vector<BuiltInParameter> parameters;
};

}  // namespace

// Every module carries its own copy, so the function lookups find them
// whatever module is visible from the current class.
void ModuleRecord::addBuiltInFunctions() {
    static const BuiltInFunction table[] = {
        {"sizeof", "Integer", {{"AnyType", "Any", true}}},
        {"LOWORD", "Short", {{"l", "Long", false}}},
        {"HIWORD", "Short", {{"l", "Long", false}}},
        {"RGB", "Long", {{"c1", "Long", false}, {"c2", "Long", false}, {"c3", "Long", false}}},
        {"MAKEINTRESOURCE", "Long", {{"l", "Long", false}}},
    };
    for (const BuiltInFunction& entry : table) {
        auto function = std::make_shared<FunctionRecord>();
        function->builtIn = true;
        function->name = entry.name;
        function->returnType = entry.returnType;
        function->scope = SCOPE_PUBLIC;
        for (const BuiltInParameter& p : entry.parameters) {
            auto parameter = std::make_shared<VariableRecord>();
            parameter->name = p.name;
            parameter->type = p.type;
            parameter->byRef = p.byRef;
            function->parameters.push_back(std::move(parameter));
        }
        function->paramCount = static_cast<int32_t>(function->parameters.size());
        functions.push_back(std::move(function));
    }
}

const std::string& classNameOf(const ModuleRecord* module) {
    static const std::string none;
    return module ? module->className : none;
}

const std::string& baseNameOf(const ModuleRecord* module) {
    static const std::string none;
    return module ? module->baseClassName : none;
}
