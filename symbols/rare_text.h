// A text that most records leave empty (a constant's value, an accessor's
// alias, an array's size constant): the size of a pointer until it is set,
// where a std::string always takes 32 bytes. It reads as a std::string.
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
