#include "expr/output_buffer.h"

bool OutputBuffer::open(const std::string& path) {
    close();
    failed_ = false;
    ofstreamFill_ = OfstreamFill();
    // Only whole blocks are written: the file needs no buffer of its own.
    file_.rdbuf()->pubsetbuf(nullptr, 0);
    file_.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
    return file_.is_open();
}

bool OutputBuffer::close() {
    if (!file_.is_open()) {
        text_.clear();
        return false;
    }
    writeOut(text_.size());
    file_.close();
    const bool written = !failed_ && !file_.fail();
    file_.clear();
    failed_ = false;
    return written;
}

void OutputBuffer::writeDue() {
    if (openMarks_ == 0) writeOut(text_.size() - std::min(ofstreamFill_.held(), text_.size()));
}

std::string OutputBuffer::takeFrom(size_t mark) {
    --openMarks_;
    mark = std::min(mark, text_.size());
    std::string text = text_.substr(mark);
    text_.resize(mark);
    return text;
}

void OutputBuffer::closeMark(size_t mark) {
    --openMarks_;
    wrote(text_.size() - std::min(mark, text_.size()));
}

void OutputBuffer::writeOut(size_t length) {
    if (length == 0) return;
    if (file_.is_open() && !failed_) {
        file_.write(text_.data(), static_cast<std::streamsize>(length));
        if (!file_) failed_ = true;
    }
    text_.eraseFront(length);
}
