// What most records leave empty, a pointer wide: a text (an accessor's
// alias) where a std::string always takes 32 bytes, and a box of values
// (RareBox) made on the first edit. A RareText reads as a std::string.
#pragma once

#include <memory>
#include <ostream>
#include <string>

class RareText {
public:
    RareText() = default;
    RareText(const RareText& other) { *this = other.str(); }
    RareText(RareText&&) noexcept = default;
    RareText& operator=(const RareText& other) { return *this = other.str(); }
    RareText& operator=(RareText&&) noexcept = default;
    RareText& operator=(std::string text) {
        if (text.empty())
            text_.reset();
        else if (text_)
            *text_ = std::move(text);
        else
            text_ = std::make_unique<std::string>(std::move(text));
        return *this;
    }
    RareText& operator+=(const std::string& more) { return *this = str() + more; }

    const std::string& str() const { return text_ ? *text_ : empty_(); }
    operator const std::string&() const { return str(); }
    bool empty() const { return !text_; }

private:
    static const std::string& empty_() {
        static const std::string none;
        return none;
    }
    std::unique_ptr<std::string> text_;
};

inline std::ostream& operator<<(std::ostream& out, const RareText& text) { return out << text.str(); }

// A value that most records leave at its default: the size of a pointer,
// made on the first edit; reads of an unmade one see a default value.
template <typename T>
class RareBox {
public:
    RareBox() = default;
    RareBox(const RareBox& other) : value_(other.value_ ? std::make_unique<T>(*other.value_) : nullptr) {}
    RareBox(RareBox&&) noexcept = default;
    RareBox& operator=(const RareBox& other) {
        value_ = other.value_ ? std::make_unique<T>(*other.value_) : nullptr;
        return *this;
    }
    RareBox& operator=(RareBox&&) noexcept = default;

    const T& get() const {
        static const T none{};
        return value_ ? *value_ : none;
    }
    T& edit() {
        if (!value_) value_ = std::make_unique<T>();
        return *value_;
    }

private:
    std::unique_ptr<T> value_;
};
