// Holds back what a translator writes until it knows what has to stand in
// front of it (or instead of it): a mark on the output buffer where the
// held text starts. If the translation fails, the text held so far stays
// in the output, as streamed text would have. Captures nest: an inner one
// is released or ends before the one around it.
#pragma once

#include <cstddef>
#include <string>

#include "expr/output_buffer.h"

class OutputCapture {
public:
    explicit OutputCapture(OutputBuffer& out) : out_(out), mark_(out.openMark()) {}
    ~OutputCapture() {
        if (!released_) out_.closeMark(mark_);
    }
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;

    // Takes the held text out of the output; the caller writes the text.
    std::string release() {
        if (released_) return std::string();
        released_ = true;
        return out_.takeFrom(mark_);
    }
    // How much text is held so far.
    size_t size() const { return out_.size() - mark_; }

private:
    OutputBuffer& out_;
    const size_t mark_;
    bool released_ = false;
};
