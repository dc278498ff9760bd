// The output buffer: the text of one generated file (a module's .cpp or
// .h, a class or module header) while it is written. Every piece is
// appended to one in-memory string, which goes to the file in blocks of a
// quarter of a megabyte and at close, instead of as many small stream
// writes; the bytes are those an ofstream would have written. A capture
// (expr/output_capture.h) is a mark on the string: the text after it is
// held back until the capture takes it out, or stays where it is. Nothing
// at or after an open mark may reach the file, so blocks are written only
// while no capture is open, and never past what an ofstream would have
// written by then (OfstreamFill). close() tells whether the file was
// opened and every block written.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "expr/growing_text.h"

// How full the buffer of a std::ofstream (libstdc++'s filebuf) writing the
// same pieces would be: a piece that does not fit, or of 1 KiB or more,
// goes out with what the buffer holds, and a flush empties it. An API class
// module's header is the module's own .h, written over it while the
// module's text is still being written: the bytes it covers depend on how
// much of that text had reached the file, and the files keep the bytes
// that such a stream gave them.
class OfstreamFill {
public:
    void written(size_t length) {
        held_ = length >= std::min(directWrite, capacity - held_) ? 0 : held_ + length;
    }
    void flushed() { held_ = 0; }
    size_t held() const { return held_; }

private:
#ifdef _GLIBCXX_BUFSIZ
    static constexpr size_t capacity = _GLIBCXX_BUFSIZ - 1;
#else
    static constexpr size_t capacity = BUFSIZ - 1;
#endif
    static constexpr size_t directWrite = 1024;
    size_t held_ = 0;
};

class OutputBuffer {
public:
    OutputBuffer() = default;
    // Opens `path` at once, as open() does.
    explicit OutputBuffer(const std::string& path) { open(path); }
    // What is still held goes to the file, as an ofstream's close would.
    ~OutputBuffer() { close(); }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // Creates or empties the file (binary: no line ends are changed); the
    // text starts empty. False when the file cannot be opened.
    bool open(const std::string& path);
    bool isOpen() const { return file_.is_open(); }
    // Writes what is left and closes the file. True when every block
    // reached it; false too when none was open.
    bool close();
    // As an ofstream's flush, for what a second writer of the file finds
    // (OfstreamFill): the text so far is due for the file. It goes with the
    // next block; nothing is written now.
    void flush() { ofstreamFill_.flushed(); }
    // Writes what an ofstream would have written by now, before the file
    // is opened a second time.
    void writeDue();

    OutputBuffer& operator<<(std::string_view text) {
        text_.append(text.data(), text.size());
        return wrote(text.size());
    }
    OutputBuffer& operator<<(const std::string& text) { return *this << std::string_view(text); }
    OutputBuffer& operator<<(const char* text) { return *this << std::string_view(text); }
    OutputBuffer& operator<<(char c) {
        text_.push_back(c);
        return wrote(1);
    }
    // The one number type written (int32_t array sizes), in decimal digits
    // as an ostream writes it.
    OutputBuffer& operator<<(int number) {
        char digits[16];
        const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
        text_.append(digits, static_cast<size_t>(end - digits));
        return wrote(static_cast<size_t>(end - digits));
    }
    // Any other type (bool, double, size_t, ...) has no overload, rather
    // than one that might format it otherwise than the ostream did.
    template <typename T>
    OutputBuffer& operator<<(const T&) = delete;

    // Marks, for OutputCapture. A mark is the length of the text when it
    // was set; the marks open and close in nested order.
    size_t size() const { return text_.size(); }
    size_t openMark() {
        ++openMarks_;
        return text_.size();
    }
    // The text from the mark on, taken out of the buffer; the mark closes.
    std::string takeFrom(size_t mark);
    // The mark closes and its text stays where it is: one piece, as a
    // stream is given held text.
    void closeMark(size_t mark);

private:
    // Large enough that a big module takes few writes, small enough that
    // the buffer stays small beside the module's text held in memory.
    static constexpr size_t blockSize = size_t(1) << 18;

    // A piece of `length` was appended.
    OutputBuffer& wrote(size_t length) {
        if (openMarks_ > 0) return *this;
        ofstreamFill_.written(length);
        if (text_.size() >= blockSize) writeDue();
        return *this;
    }
    // The first `length` bytes to the file, and out of the text; they are
    // dropped when no file is open.
    void writeOut(size_t length);

    GrowingText text_;
    std::ofstream file_;
    // A block could not be written; later ones are not tried.
    bool failed_ = false;
    int32_t openMarks_ = 0;
    OfstreamFill ofstreamFill_;
};
