// Holds back what a translator writes until it knows what has to stand in
// front of it (or instead of it). If the translation fails, the text held
// so far still reaches the output, as streamed text would have.
#pragma once

#include <ostream>
#include <sstream>
#include <string>

class OutputCapture {
public:
    explicit OutputCapture(std::ostream& out)
        : out_(out), state_(out.rdstate()), previous_(out.rdbuf(&held_)) {}
    ~OutputCapture() {
        if (!released_) out_ << release();
    }
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

    // Gives the output its own buffer back; the caller writes the text.
    std::string release() {
        if (released_) return std::string();
        released_ = true;
        out_.rdbuf(previous_);
        out_.clear(state_);
        return held_.str();
    }

private:
    std::ostream& out_;
    std::ios::iostate state_;
    std::stringbuf held_;
    std::streambuf* previous_;
    bool released_ = false;
};
