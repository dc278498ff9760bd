// The characters of the output buffer: a plain growing array whose append
// is a size test and a copy written in place, where std::string's append
// is a call into the library for every piece (most pieces are a few bytes).
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

class GrowingText {
public:
    void append(const char* text, size_t length) {
        if (length > capacity_ - size_ || capacity_ == 0) grow(length);
        std::memcpy(data_.get() + size_, text, length);
        size_ += length;
    }
    void push_back(char c) {
        if (size_ == capacity_) grow(1);
        data_[size_++] = c;
    }
    const char* data() const { return data_.get(); }
    size_t size() const { return size_; }
    void clear() { size_ = 0; }
    // Keeps the first `length` characters (no more than there are).
    void resize(size_t length) { size_ = length < size_ ? length : size_; }
    std::string substr(size_t from) const { return std::string(data_.get() + from, size_ - from); }
    // Drops the first `length` characters.
    void eraseFront(size_t length) {
        std::memmove(data_.get(), data_.get() + length, size_ - length);
        size_ -= length;
    }

private:
    void grow(size_t more) {
        size_t capacity = capacity_ ? capacity_ * 2 : 4096;
        while (capacity - size_ < more) capacity *= 2;
        std::unique_ptr<char[]> data(new char[capacity]);
        if (size_) std::memcpy(data.get(), data_.get(), size_);
        data_ = std::move(data);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
    size_t capacity_ = 0;
};
