#include "symbols/symbol_table.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "driver/translator.h"
#include "symbols/lookup_scans.h"
#include "symbols/names.h"

namespace {

#ifdef PLIX_CHECK_LOOKUPS
constexpr bool checkLookups = true;
#else
constexpr bool checkLookups = false;
#endif

// In the checking build every lookup is answered twice, by the indexes and
// by a plain scan of the lists, and the run stops where the two differ.
template <typename T, typename Scan>
T verified(T indexed, Scan scan, const char* lookup, const std::string& name) {
    if constexpr (checkLookups) {
        const T scanned = scan();
        if (!(scanned == indexed)) {
            std::fprintf(stderr, "plix: lookup %s(%s): the index and the list scan differ\n", lookup, name.c_str());
            std::abort();
        }
    } else {
        (void)scan;
        (void)lookup;
        (void)name;
    }
    return indexed;
}

template <typename Record>
Record* scanList(const std::vector<std::shared_ptr<Record>>& list, const std::string& name) {
    for (const auto& record : list)
        if (sameName(record->name, name)) return record.get();
    return nullptr;
}

}  // namespace

const ModuleRecord& SymbolTable::module(size_t m) const { return *t_.modules[m]; }

// --- keeping the indexes exact -------------------------------------------

void SymbolTable::sync() const {
    if (built_ == version_) return;
    const auto& modules = t_.modules;
    bool classesChanged = indexed_.size() != modules.size();
    if (indexed_.size() > modules.size()) return rebuild();
    for (size_t m = 0; m < modules.size(); ++m) {
        if (m == indexed_.size()) indexed_.emplace_back();
        const ModuleRecord& record = *modules[m];
        Indexed& state = indexed_[m];
        // Lists only grow; anything else is a new set of records.
        if (record.functions.size() < state.functions || record.variables.size() < state.variables ||
            record.types.size() < state.types)
            return rebuild();
        if (state.className != record.className || state.baseClassName != record.baseClassName ||
            state.isClassModule != record.isClassModule) {
            state.className = record.className;
            state.baseClassName = record.baseClassName;
            state.isClassModule = record.isClassModule;
            classesChanged = true;
        }
        indexModule(m);
    }
    if (classesChanged) {
        classes_.clear();
        for (size_t m = 0; m < modules.size(); ++m)
            if (!modules[m]->className.empty()) classes_[(modules[m]->className)].push_back(m);
    }
    built_ = version_;
}

void SymbolTable::rebuild() const {
    indexed_.clear();
    functions_.clear();
    aliases_.clear();
    variables_.clear();
    types_.clear();
    classes_.clear();
    built_ = 0;
    sync();
}

void SymbolTable::indexModule(size_t m) const {
    const ModuleRecord& record = module(m);
    Indexed& state = indexed_[m];
    // Entries stay in list order: by module, then by place in its list.
    auto add = [m](auto& index, const std::string& key, size_t position, auto* item) {
        using E = Entry<std::remove_pointer_t<decltype(item)>>;
        const E entry{static_cast<uint32_t>(m), static_cast<uint32_t>(position), item};
        index[key].insertInOrder(entry, [](const E& a, const E& b) {
            return a.module != b.module ? a.module < b.module : a.position < b.position;
        });
    };
    for (size_t i = state.functions; i < record.functions.size(); ++i) {
        FunctionRecord* function = record.functions[i].get();
        add(functions_, (function->name), i, function);
        if (!function->aliasName.empty()) add(aliases_, (function->aliasName), i, function);
    }
    for (size_t i = state.variables; i < record.variables.size(); ++i)
        add(variables_, (record.variables[i]->name), i, record.variables[i].get());
    for (size_t i = state.types; i < record.types.size(); ++i)
        add(types_, (record.types[i]->name), i, record.types[i].get());
    state.functions = record.functions.size();
    state.variables = record.variables.size();
    state.types = record.types.size();
}

template <typename Record, typename Accept>
Record* SymbolTable::first(const Index<Record>& index, const std::string& key, Accept accept) const {
    sync();
    auto found = index.find(key);
    if (!found) return nullptr;
    for (const Entry<Record>& entry : *found)
        if (accept(module(entry.module), *entry.record)) return entry.record;
    return nullptr;
}

// The class, then its base, the base's base...: each level is every module
// of that class name in list order, and the next level is the base the
// last of them names. Class names compare exactly or by key, as the lookup
// asks; a chain that comes back to a class it has passed ends there.
template <typename Record>
Record* SymbolTable::inClassChain(const Index<Record>& index, const std::string& key, const std::string& className,
                                  bool exact) const {
    sync();
    auto found = index.find(key);
    const EntryList<Entry<Record>>* entries = found;
    std::vector<std::string> passed;
    std::string level = className;
    auto same = [exact](const std::string& a, const std::string& b) { return exact ? a == b : sameName(a, b); };
    while (!level.empty()) {
        for (const std::string& seen : passed)
            if (same(seen, level)) return nullptr;
        passed.push_back(level);
        auto modules = classes_.find((level));
        if (!modules) return nullptr;
        std::string base;
        for (size_t m : *modules) {
            if (!same(module(m).className, level)) continue;
            if (entries)
                for (const Entry<Record>& entry : *entries)
                    if (entry.module == m) return entry.record;
            base = module(m).baseClassName;
        }
        level = base;
    }
    return nullptr;
}

// --- types and classes ----------------------------------------------------

bool SymbolTable::isKnownType(const std::string& upperName) const {
    const auto indexed = [&]() -> bool {
        if (isBuiltInTypeKey(upperName)) return true;
        // Only the upper-case key of a name finds it.
        if (!isKey(upperName)) return false;
        if (classModule(upperName)) return true;
        sync();
        return types_.contains(upperName);
    }();
    return verified(indexed, [&] { return scan::isKnownType(t_, upperName); }, "isKnownType", upperName);
}

std::string SymbolTable::declaredTypeSpelling(const std::string& type) const {
    const auto indexed = [&]() -> std::string {
        for (const char* builtIn : builtInTypeNames)
            if (sameName(type, builtIn)) return typeSpelling(type);
        if (const ModuleRecord* classRecord = classModule(type)) return classRecord->className;
        if (const TypeRecord* record = typeNamed(type)) return record->name;
        return typeSpelling(type);
    }();
    return verified(indexed, [&] { return scan::declaredTypeSpelling(t_, type); }, "declaredTypeSpelling", type);
}

bool SymbolTable::isClassName(const std::string& name) const {
    const auto indexed = [&]() -> bool {
        if (name.empty()) return false;
        sync();
        return classes_.contains(name);
    }();
    return verified(indexed, [&] { return scan::isClassName(t_, name); }, "isClassName", name);
}

const ModuleRecord* SymbolTable::classModule(const std::string& name) const {
    const auto indexed = [&]() -> const ModuleRecord* {
        sync();
        auto found = classes_.find((name));
        if (!found) return nullptr;
        for (size_t m : *found)
            if (module(m).isClassModule) return &module(m);
        return nullptr;
    }();
    return verified(indexed, [&] { return scan::classModule(t_, name); }, "classModule", name);
}

ModuleRecord* SymbolTable::lastModuleOfClass(const std::string& name) const {
    const auto indexed = [&]() -> ModuleRecord* {
        sync();
        auto found = classes_.find((name));
        if (!found) return nullptr;
        ModuleRecord* last = nullptr;
        for (size_t m : *found)
            if (module(m).className == name) last = t_.modules[m].get();
        return last;
    }();
    return verified(indexed, [&] { return scan::lastModuleOfClass(t_, name); }, "lastModuleOfClass", name);
}

bool SymbolTable::isExtended(const std::string& name) const {
    if (name.empty()) return false;
    for (const auto& other : t_.modules)
        if (other->baseClassName == name) return true;
    return false;
}

TypeRecord* SymbolTable::findType(const std::string& exactName) const {
    const auto indexed = [&]() -> TypeRecord* {
        return first(types_, (exactName),
                     [&](const ModuleRecord&, const TypeRecord& type) { return type.name == exactName; });
    }();
    return verified(indexed, [&] { return scan::findType(t_, exactName); }, "findType", exactName);
}

TypeRecord* SymbolTable::typeNamed(const std::string& name) const {
    const auto indexed = [&]() -> TypeRecord* {
        return first(types_, (name), [](const ModuleRecord&, const TypeRecord&) { return true; });
    }();
    return verified(indexed, [&] { return scan::typeNamed(t_, name); }, "typeNamed", name);
}

// The fields of the first TYPE of that name, as a module lists it.
VariableRecord* SymbolTable::findTypeField(const std::string& typeName, const std::string& field) const {
    const auto indexed = [&]() -> VariableRecord* {
        const TypeRecord* type = typeNamed(typeName);
        return type ? scanList(type->fields, (field)) : nullptr;
    }();
    return verified(indexed, [&] { return scan::findTypeField(t_, typeName, field); }, "findTypeField", field);
}

// --- variables ------------------------------------------------------------

// The innermost declaration of a name wins: the procedure's locals and
// parameters, then the members of the current class (and of its base),
// then the variables of the plain modules.
template <typename Accept>
const VariableRecord* SymbolTable::innermostVariable(const std::string& name, Accept memberOf) const {
    if (const VariableRecord* local = scanList(t_.localVariables, name)) return local;
    sync();
    auto found = variables_.find(name);
    if (!found) return nullptr;
    // One look at the name's entries finds both candidates.
    const VariableRecord* plain = nullptr;
    for (const Entry<VariableRecord>& entry : *found) {
        const ModuleRecord& owner = module(entry.module);
        if (owner.isClassModule) {
            if (memberOf(owner)) return entry.record;
        } else if (!plain) {
            plain = entry.record;
        }
    }
    return plain;
}

const VariableRecord* SymbolTable::typedVariable(const std::string& name) const {
    const auto indexed = [&]() -> const VariableRecord* {
        const ModuleRecord* current = t_.currentModule;
        return innermostVariable(name, [&](const ModuleRecord& m) {
            return m.className == classNameOf(current) || m.className == baseNameOf(current);
        });
    }();
    return verified(indexed, [&] { return scan::typedVariable(t_, name); }, "typedVariable", name);
}

const VariableRecord* SymbolTable::visibleVariable(const std::string& name) const {
    const auto indexed = [&]() -> const VariableRecord* {
        const ModuleRecord* current = t_.currentModule;
        return innermostVariable(name,
                                 [&](const ModuleRecord& m) { return sameName(m.className, classNameOf(current)); });
    }();
    return verified(indexed, [&] { return scan::visibleVariable(t_, name); }, "visibleVariable", name);
}

const VariableRecord* SymbolTable::declaredVariable(const std::string& name) const {
    const auto indexed = [&]() -> const VariableRecord* {
        const ModuleRecord* current = t_.currentModule;
        const std::string& base = baseNameOf(current);
        return innermostVariable(name, [&](const ModuleRecord& m) {
            return sameName(m.className, classNameOf(current)) || (!base.empty() && sameName(m.className, base));
        });
    }();
    return verified(indexed, [&] { return scan::declaredVariable(t_, name); }, "declaredVariable", name);
}

bool SymbolTable::isModuleVariable(const std::string& exactName) const {
    const auto indexed = [&]() -> bool {
        return first(variables_, (exactName), [&](const ModuleRecord& m, const VariableRecord& v) {
                   return !m.isClassModule && v.name == exactName;
               }) != nullptr;
    }();
    return verified(indexed, [&] { return scan::isModuleVariable(t_, exactName); }, "isModuleVariable", exactName);
}

bool SymbolTable::isLocalVariable(const std::string& exactName) const {
    for (const auto& variable : t_.localVariables)
        if (variable->name == exactName) return true;
    return false;
}

const VariableRecord* SymbolTable::constantAt(const ModuleRecord& owner, const std::string& exactName,
                                              int32_t line) const {
    const auto indexed = [&]() -> const VariableRecord* {
        return first(variables_, (exactName), [&](const ModuleRecord& m, const VariableRecord& v) {
            return &m == &owner && v.isConstant && v.name == exactName && v.declaredLine == line;
        });
    }();
    return verified(indexed, [&] { return scan::constantAt(t_, owner, exactName, line); }, "constantAt", exactName);
}

VariableRecord* SymbolTable::findMemberVariable(const std::string& className, const std::string& member) const {
    const auto indexed = [&]() -> VariableRecord* {
        return inClassChain(variables_, (member), className, false);
    }();
    return verified(indexed, [&] { return scan::findMemberVariable(t_, className, member); }, "findMemberVariable", member);
}

// --- functions ------------------------------------------------------------

FunctionRecord* SymbolTable::findFunction(const std::string& upperName) const {
    const auto indexed = [&]() -> FunctionRecord* {
        // Only the upper-case key of a name finds it.
        if (!isKey(upperName)) return nullptr;
        const ModuleRecord* current = t_.currentModule;
        FunctionRecord* found = first(functions_, upperName, [&](const ModuleRecord& m, const FunctionRecord&) {
            return m.className.empty() || m.className == classNameOf(current);
        });
        return found ? found : scanList(t_.functionPointerTypes, upperName);
    }();
    return verified(indexed, [&] { return scan::findFunction(t_, upperName); }, "findFunction", upperName);
}

FunctionRecord* SymbolTable::findModuleFunction(const std::string& name) const {
    const auto indexed = [&]() -> FunctionRecord* {
        return first(functions_, (name),
                     [](const ModuleRecord& m, const FunctionRecord&) { return !m.isClassModule; });
    }();
    return verified(indexed, [&] { return scan::findModuleFunction(t_, name); }, "findModuleFunction", name);
}

FunctionRecord* SymbolTable::ownFunction(const ModuleRecord& owner, const std::string& name, bool properties) const {
    const auto indexed = [&]() -> FunctionRecord* {
        return first(functions_, (name), [&](const ModuleRecord& m, const FunctionRecord& f) {
            return &m == &owner && !f.builtIn && (properties || !f.isProperty);
        });
    }();
    return verified(indexed, [&] { return scan::ownFunction(t_, owner, name, properties); }, "ownFunction", name);
}

bool SymbolTable::ownsFunction(const ModuleRecord& owner, const FunctionRecord& function) const {
    const auto indexed = [&]() -> bool {
        return first(functions_, (function.name), [&](const ModuleRecord& m, const FunctionRecord& f) {
                   return &m == &owner && &f == &function;
               }) != nullptr;
    }();
    return verified(indexed, [&] { return scan::ownsFunction(t_, owner, function); }, "ownsFunction", owner.fileName);
}

std::vector<FunctionRecord*> SymbolTable::libraryForms(const FunctionRecord& function) const {
    // The Quillkit module is always the second module.
    constexpr size_t library = 1;
    std::vector<FunctionRecord*> forms;
    sync();
    auto found = functions_.find(function.name);
    if (!found) return forms;
    bool isForm = false;
    for (const Entry<FunctionRecord>& entry : *found) {
        if (entry.module != library) continue;
        forms.push_back(entry.record);
        isForm = isForm || entry.record == &function;
    }
    if (!isForm || forms.size() < 2) forms.clear();
    return forms;
}

FunctionRecord* SymbolTable::findMemberFunction(const std::string& className, const std::string& upperMember) const {
    const auto indexed = [&]() -> FunctionRecord* {
        if (!isKey(upperMember)) return nullptr;
        return inClassChain(functions_, upperMember, className, true);
    }();
    return verified(indexed, [&] { return scan::findMemberFunction(t_, className, upperMember); }, "findMemberFunction", upperMember);
}

FunctionRecord* SymbolTable::findMemberAccessor(const std::string& className, const std::string& alias) const {
    const auto indexed = [&]() -> FunctionRecord* {
        return inClassChain(aliases_, (alias), className, false);
    }();
    return verified(indexed, [&] { return scan::findMemberAccessor(t_, className, alias); }, "findMemberAccessor", alias);
}

FunctionRecord* SymbolTable::findAccessor(const std::string& alias) const {
    const auto indexed = [&]() -> FunctionRecord* {
        const ModuleRecord* current = t_.currentModule;
        return first(aliases_, (alias), [&](const ModuleRecord& m, const FunctionRecord&) {
            return sameName(m.className, classNameOf(current));
        });
    }();
    return verified(indexed, [&] { return scan::findAccessor(t_, alias); }, "findAccessor", alias);
}

FunctionRecord* SymbolTable::findProperty(const std::string& upperKey) const {
    const auto indexed = [&]() -> FunctionRecord* {
        if (!isKey(upperKey)) return nullptr;
        const std::string& currentClass = classNameOf(t_.currentModule);
        return first(aliases_, upperKey, [&](const ModuleRecord& m, const FunctionRecord& f) {
            return (!m.isClassModule || m.className == currentClass) && f.isProperty;
        });
    }();
    return verified(indexed, [&] { return scan::findProperty(t_, upperKey); }, "findProperty", upperKey);
}
