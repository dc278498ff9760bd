// A map from names to values that finds a name in any letter case: the
// symbol table's indexes. The names and values stay where they were put,
// in a deque (growing never copies them); an open-addressing table of node
// numbers finds them, each node keeping its name's hash, so a lookup
// hashes the name once and compares names only where the hashes agree. It
// never allocates. The table holds 4 bytes a slot and fills at most three
// slots in four, so growing it costs little even for 100,000 names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
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
        if ((nodes_.size() + 1) * 4 > slots_.size() * 3) grow();
        nodes_.push_back(Node{hash, name, Value{}});
        slots_[freeSlot(hash)] = static_cast<uint32_t>(nodes_.size());
        return nodes_.back().value;
    }

    void clear() {
        slots_.clear();
        nodes_.clear();
    }

private:
    struct Node {
        size_t hash;
        std::string name;
        Value value;
    };

    size_t mask() const { return slots_.size() - 1; }

    // Slots hold a node's number plus one; 0 is a free slot.
    Value* find(const std::string& name, size_t hash) {
        if (slots_.empty()) return nullptr;
        for (size_t i = hash & mask();; i = (i + 1) & mask()) {
            const uint32_t slot = slots_[i];
            if (slot == 0) return nullptr;
            Node& node = nodes_[slot - 1];
            if (node.hash == hash && sameName(node.name, name)) return &node.value;
        }
    }

    size_t freeSlot(size_t hash) const {
        size_t i = hash & mask();
        while (slots_[i] != 0) i = (i + 1) & mask();
        return i;
    }

    void grow() {
        slots_.assign(slots_.empty() ? 16 : slots_.size() * 2, 0);
        for (size_t n = 0; n < nodes_.size(); ++n) slots_[freeSlot(nodes_[n].hash)] = static_cast<uint32_t>(n + 1);
    }

    std::vector<uint32_t> slots_;
    std::deque<Node> nodes_;
};
