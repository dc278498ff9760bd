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

// A shared pointer that most records leave empty: the size of one pointer.
template <typename T>
class RareShared {
public:
    RareShared() = default;
    RareShared(const RareShared& other) { *this = other.shared(); }
    RareShared(RareShared&&) noexcept = default;
    RareShared& operator=(const RareShared& other) { return *this = other.shared(); }
    RareShared& operator=(RareShared&&) noexcept = default;
    RareShared& operator=(std::shared_ptr<T> pointer) {
        if (!pointer)
            pointer_.reset();
        else
            pointer_ = std::make_unique<std::shared_ptr<T>>(std::move(pointer));
        return *this;
    }

    const std::shared_ptr<T>& shared() const {
        static const std::shared_ptr<T> none;
        return pointer_ ? *pointer_ : none;
    }
    T* get() const { return pointer_ ? pointer_->get() : nullptr; }
    explicit operator bool() const { return pointer_ != nullptr; }
    T& operator*() const { return **pointer_; }
    T* operator->() const { return pointer_->get(); }

private:
    std::unique_ptr<std::shared_ptr<T>> pointer_;
};
