// Lookups of the expression translators beyond the basic symbol lookups.
#include "driver/translator.h"

std::string Translator::variableStructType(const std::string& name) const {
    const std::string type = upperCase(variableType(name));
    if (type.empty()) return std::string();
    for (const auto& module : modules)
        for (const auto& record : module->types)
            if (upperCase(record->name) == type) return record->name;
    return std::string();
}
