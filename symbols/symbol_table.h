// The one symbol table: every lookup the translator makes, in one place.
// The records stay where the passes put them (the modules' lists, in
// declaration order); the table keeps indexes over them, by the key of a
// name, and answers each lookup with the record a scan of the lists in
// their order would have found first, under the same visibility rule.
// The procedure-scoped lists (locals, function-pointer types) are short
// and change at every block; they are scanned, without copying names.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "symbols/entry_list.h"
#include "symbols/name_index.h"
#include "symbols/names.h"
#include "symbols/records.h"

class Translator;

class SymbolTable {
public:
    explicit SymbolTable(const Translator& translator) : t_(translator) {}
    SymbolTable(const SymbolTable&) = delete;
    SymbolTable& operator=(const SymbolTable&) = delete;

    // Records were appended to a module, a module was added, or a module
    // became a class: the indexes catch up at the next lookup.
    void changed() { ++version_; }
    // Counts those changes: an answer kept while it stays the same holds.
    uint64_t version() const { return version_; }

    // --- types and classes ---------------------------------------------
    bool isKnownType(const std::string& upperName) const;
    std::string declaredTypeSpelling(const std::string& type) const;
    bool isClassName(const std::string& name) const;
    // The first class module of that name, in any letter case.
    const ModuleRecord* classModule(const std::string& name) const;
    // The last module whose class name is exactly `name` (inheritance).
    ModuleRecord* lastModuleOfClass(const std::string& name) const;
    // Some module extends the class `name` (exactly).
    bool isExtended(const std::string& name) const;
    TypeRecord* findType(const std::string& exactName) const;
    TypeRecord* typeNamed(const std::string& name) const;
    VariableRecord* findTypeField(const std::string& typeName, const std::string& field) const;

    // --- variables -----------------------------------------------------
    // The innermost declaration of a name: a local or parameter, then a
    // member, then a plain module's variable. They differ in the classes
    // whose members count. variableType's: the current class and its base
    // (named exactly).
    const VariableRecord* typedVariable(const std::string& name) const;
    // The current class (any letter case).
    const VariableRecord* visibleVariable(const std::string& name) const;
    // The current class and its base (any letter case).
    const VariableRecord* declaredVariable(const std::string& name) const;
    bool isModuleVariable(const std::string& exactName) const;
    bool isLocalVariable(const std::string& exactName) const;
    // The constant a module declares on that line under that name.
    const VariableRecord* constantAt(const ModuleRecord& module, const std::string& exactName, int32_t line) const;
    VariableRecord* findMemberVariable(const std::string& className, const std::string& member) const;

    // --- functions -----------------------------------------------------
    FunctionRecord* findFunction(const std::string& upperName) const;
    FunctionRecord* findModuleFunction(const std::string& name) const;
    // A module's own function of that name (not a built-in; properties only
    // when asked for).
    FunctionRecord* ownFunction(const ModuleRecord& module, const std::string& name, bool properties) const;
    bool ownsFunction(const ModuleRecord& module, const FunctionRecord& function) const;
    FunctionRecord* findMemberFunction(const std::string& className, const std::string& upperMember) const;
    FunctionRecord* findMemberAccessor(const std::string& className, const std::string& alias) const;
    FunctionRecord* findAccessor(const std::string& alias) const;
    FunctionRecord* findProperty(const std::string& upperKey) const;
    // Every form of a Quillkit function (the library module declares some
    // names more than once), in declaration order; empty for a function of
    // any other module and for a name declared once.
    std::vector<FunctionRecord*> libraryForms(const FunctionRecord& function) const;

private:
    template <typename Record>
    struct Entry {
        uint32_t module;
        uint32_t position;
        Record* record;
    };
    // By name, in any letter case.
    template <typename Record>
    using Index = NameIndex<EntryList<Entry<Record>>>;

    // What the indexes hold of each module.
    struct Indexed {
        size_t functions = 0, variables = 0, types = 0;
        std::string className, baseClassName;
        bool isClassModule = false;
    };

    void sync() const;
    void rebuild() const;
    void indexModule(size_t m) const;
    const ModuleRecord& module(size_t m) const;
    template <typename Record, typename Accept>
    Record* first(const Index<Record>& index, const std::string& key, Accept accept) const;
    template <typename Accept>
    const VariableRecord* innermostVariable(const std::string& name, Accept memberOf) const;
    template <typename Record>
    Record* inClassChain(const Index<Record>& index, const std::string& key, const std::string& className,
                         bool exact) const;

    const Translator& t_;
    uint64_t version_ = 1;
    mutable uint64_t built_ = 0;
    mutable std::vector<Indexed> indexed_;
    mutable Index<FunctionRecord> functions_;
    mutable Index<FunctionRecord> aliases_;
    mutable Index<VariableRecord> variables_;
    mutable Index<TypeRecord> types_;
    // Module numbers by the key of their class name, in list order.
    mutable NameIndex<std::vector<size_t>> classes_;
};
