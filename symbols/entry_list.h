// The entries an index keeps under one name, in order. Nearly every name
// has exactly one: it is kept in place, and only a second one moves them
// all to the heap.
#pragma once

#include <memory>
#include <vector>

// `Entry` has a `record` pointer, null in an entry that holds nothing.
template <typename Entry>
class EntryList {
public:
    const Entry* begin() const { return many_ ? many_->data() : &one_; }
    const Entry* end() const { return many_ ? many_->data() + many_->size() : &one_ + (one_.record ? 1 : 0); }

    // Puts `entry` before the first entry that `comesAfter` says follows it.
    template <typename Compare>
    void insertInOrder(const Entry& entry, Compare comesAfter) {
        if (!many_ && !one_.record) {
            one_ = entry;
            return;
        }
        if (!many_) many_ = std::make_unique<std::vector<Entry>>(1, one_);
        auto at = many_->begin();
        while (at != many_->end() && !comesAfter(entry, *at)) ++at;
        many_->insert(at, entry);
    }

private:
    Entry one_{};
    std::unique_ptr<std::vector<Entry>> many_;
};
