// What a type name stands for, as typeNamed, isClassName and classModule
// answer. Every operand asks it of its variable's type, and the operands
// of a statement mostly share a few types: the last answers are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "symbols/records.h"

struct TypeKind {
    const TypeRecord* structType = nullptr;     // the TYPE of that name
    bool isClass = false;                       // a module declares a class of that name
    const ModuleRecord* classModule = nullptr;  // the first class module of that name
};

// The kinds of the type names asked last, by their exact spelling; they
// hold while the symbol table stays at `version`.
class TypeKindMemo {
public:
    const TypeKind* find(const std::string& type, uint64_t version) const {
        if (version != version_) return nullptr;
        for (const Entry& entry : entries_)
            if (entry.used && entry.type == type) return &entry.kind;
        return nullptr;
    }

    void keep(const std::string& type, uint64_t version, const TypeKind& kind) {
        if (version != version_) {
            for (Entry& entry : entries_) entry.used = false;
            version_ = version;
        }
        Entry& entry = entries_[next_];
        next_ = (next_ + 1) % slots;
        entry = {true, type, kind};
    }

private:
    struct Entry {
        bool used = false;
        std::string type;
        TypeKind kind;
    };
    static constexpr size_t slots = 4;
    Entry entries_[slots];
    size_t next_ = 0;
    uint64_t version_ = 0;
};
