// A flag for each group depth of a value, false until set: the value
// translators note per depth whether "&" has joined a text there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class DepthFlags {
public:
    // The flag of a depth; a depth below 0 counts as 0.
    std::vector<bool>::reference operator()(int32_t depth) {
        const size_t at = depth < 0 ? 0 : static_cast<size_t>(depth);
        if (flags_.size() <= at) flags_.resize(at + 1, false);
        return flags_[at];
    }
    void clear() { flags_.clear(); }

private:
    std::vector<bool> flags_;
};
