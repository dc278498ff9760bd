// A map from names to values that finds a name in any letter case: the
// symbol table's indexes. Open addressing in one array, each slot keeping
// its name's hash, so a lookup hashes the name once and compares names
// only where the hashes agree; it never allocates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "symbols/names.h"

template <typename Value>
class NameIndex {
public:
    // The value of `name`, or null.
    Value* find(const std::string& name) { return find(name, NameHash{}(name)); }
    const Value* find(const std::string& name) const { return const_cast<NameIndex*>(this)->find(name); }
    bool contains(const std::string& name) const { return find(name) != nullptr; }

    // The value of `name`, made empty when the name is new.
    Value& operator[](const std::string& name) {
        const size_t hash = NameHash{}(name);
        if (Value* value = find(name, hash)) return *value;
        // At most three slots in four used: probes stay short, the table small.
        if ((used_ + 1) * 4 > slots_.size() * 3) grow();
        Slot& slot = freeSlot(hash);
        slot.name = name;
        ++used_;
        return slot.value;
    }

    void clear() {
        slots_.clear();
        used_ = 0;
    }

private:
    struct Slot {
        size_t hash = 0;
        bool used = false;
        std::string name;
        Value value{};
    };

    size_t mask() const { return slots_.size() - 1; }

    Value* find(const std::string& name, size_t hash) {
        if (slots_.empty()) return nullptr;
        for (size_t i = hash & mask();; i = (i + 1) & mask()) {
            Slot& slot = slots_[i];
            if (!slot.used) return nullptr;
            if (slot.hash == hash && sameName(slot.name, name)) return &slot.value;
        }
    }

    Slot& freeSlot(size_t hash) {
        size_t i = hash & mask();
        while (slots_[i].used) i = (i + 1) & mask();
        slots_[i].used = true;
        slots_[i].hash = hash;
        return slots_[i];
    }

    void grow() {
        std::vector<Slot> old(slots_.empty() ? 16 : slots_.size() * 2);
        old.swap(slots_);
        for (Slot& slot : old)
            if (slot.used) {
                Slot& moved = freeSlot(slot.hash);
                moved.name = std::move(slot.name);
                moved.value = std::move(slot.value);
            }
    }

    std::vector<Slot> slots_;
    size_t used_ = 0;
};
