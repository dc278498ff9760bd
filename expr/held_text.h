// An argument or value written for a String, held until its end: BASIC's
// "&" joins texts at a lower precedence than arithmetic, so each part
// between two joins that is made of numbers is converted whole, as one
// number, and the String casts and quotes its operands were given are
// dropped. A part where a String takes part keeps them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "expr/output_buffer.h"
#include "expr/output_capture.h"

class HeldText {
public:
    explicit HeldText(OutputBuffer& out) : out_(out), capture_(out) { parts_.emplace_back(); }

    // Writes a cast or quote added to an operand for the String, noting where.
    void writeAdded(const std::string& text) {
        if (text.empty()) return;
        parts_.back().added.push_back({capture_.size(), text.size()});
        out_ << text;
    }
    // Where the next operand starts.
    size_t mark() const { return capture_.size(); }
    // A number that nothing cast (a call's result, a field) starts at `at`:
    // beside a String it becomes its digits.
    void numberAt(size_t at) { parts_.back().numbers.push_back(at); }
    // An operand or operator of the current part; whether it is a String.
    void piece(bool isString) {
        ++parts_.back().pieces;
        if (isString) parts_.back().hasString = true;
    }
    // A comparison, AND or OR in a group of the current part: the part is a
    // truth value, a number, whatever its operands are.
    void truthValue() { parts_.back().truth = true; }
    bool stringTakesPart() const {
        for (const Part& part : parts_)
            if (part.hasString) return true;
        return false;
    }
    int32_t pieces() const { return parts_.back().pieces; }
    // Something was added to the current part's operands to convert them.
    bool converted() const { return !parts_.back().added.empty(); }
    bool joined() const { return parts_.size() > 1; }
    // "&" joins here: the current part ends, the next starts after `joint`.
    void join(const std::string& joint) {
        parts_.back().end = capture_.size();
        out_ << joint;
        parts_.emplace_back();
        parts_.back().start = capture_.size();
    }

    // The text, its number parts converted whole; `wholeNumber` treats the
    // text without joins as one number part too.
    std::string release(bool wholeNumber) {
        parts_.back().end = capture_.size();
        std::string text = capture_.release();
        if (!joined() && !wholeNumber) {
            if (parts_.back().hasString) castNumbers(text, parts_.back());
            return text;
        }
        for (auto part = parts_.rbegin(); part != parts_.rend(); ++part) {
            if (part->hasString && !part->truth && joined()) {
                castNumbers(text, *part);
                continue;
            }
            // One operand that the String's cast or quotes already convert.
            if (joined() && part->pieces == 1 && !part->added.empty()) continue;
            text.insert(part->end, ")");
            for (auto span = part->added.rbegin(); span != part->added.rend(); ++span)
                text.erase(span->at, span->length);
            text.insert(part->start, "(String)(");
        }
        return text;
    }

private:
    struct Span {
        size_t at, length;
    };
    struct Part;
    // A part that stays text: its uncast numbers get the String's cast.
    static void castNumbers(std::string& text, const Part& part) {
        for (auto at = part.numbers.rbegin(); at != part.numbers.rend(); ++at) text.insert(*at, "(String)");
    }
    struct Part {
        size_t start = 0, end = 0;
        std::vector<Span> added;
        std::vector<size_t> numbers;
        int32_t pieces = 0;
        bool hasString = false;
        bool truth = false;
    };
    OutputBuffer& out_;
    OutputCapture capture_;
    std::vector<Part> parts_;
};
