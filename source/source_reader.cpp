// The token scanner. The column arithmetic is deliberately irregular: the
// reported position of a token is `column` minus its length, and callers'
// diagnostics rely on the exact rules of each token kind below.
//
// The text always ends in a line feed (or is empty), and the string's own
// terminating NUL stands after it: a run of name characters or blanks stops
// at the end of the text without a bounds test.
#include "source/source_reader.h"

#include <array>
#include <cstring>

#include "source/characters.h"
#include "source/syntax_error.h"

namespace {

const char* const missingQuote =
    "Syntax error, no matching quote in statement. Note:Double quotes cannot be used inside "
    "double quotes. Use Chr(34) instead.";

// What a character starts, and whether it goes on a name or a number.
enum : uint8_t { OTHER, BLANK, LINE_FEED, COLON, APOSTROPHE, DIGIT, LETTER, OPERATOR, PAREN, QUOTE };
constexpr uint8_t NAME = 0x10;  // a letter or a digit
constexpr uint8_t KIND = 0x0F;

constexpr std::array<uint8_t, 256> characterKinds() {
    std::array<uint8_t, 256> kinds{};
    for (int c = 0; c < 256; ++c) {
        uint8_t kind = OTHER;
        if (isBlank(c)) kind = BLANK;
        else if (c == '\n') kind = LINE_FEED;
        else if (c == ':') kind = COLON;
        else if (c == '\'') kind = APOSTROPHE;
        else if (isDigit(c)) kind = DIGIT | NAME;
        else if (isLetter(c)) kind = LETTER | NAME;
        else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '^') kind = OPERATOR;
        else if (c == '(' || c == ')') kind = PAREN;
        else if (c == '"') kind = QUOTE;
        kinds[static_cast<size_t>(c)] = kind;
    }
    return kinds;
}
constexpr std::array<uint8_t, 256> kinds = characterKinds();

inline uint8_t kindOf(char c) { return kinds[static_cast<unsigned char>(c)]; }

// A string of `length` characters, whatever they are, in the buffer it has
// when that is large enough.
inline void resizeKeepingBuffer(std::string& text, size_t length) {
    if (text.size() > length)
        text.erase(length);
    else
        while (text.size() < length) text.push_back(' ');
}

inline char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// The `length` characters at `text` read `upperWord` (letters) in any case.
inline bool sameLetters(const char* text, const char* upperWord, size_t length) {
    for (size_t k = 0; k < length; ++k)
        if ((text[k] & ~0x20) != upperWord[k]) return false;
    return true;
}

}  // namespace

void SourceReader::pushBack() { pushedBack = true; }

void SourceReader::throwError(const char* message) { throw SyntaxError{message}; }

void SourceReader::expectNextLineEnd(const char* message) {
    if (lineEnded || atEof) return;
    nextToken();
    expectLineEnd(message);
    pushBack();
}

SourceReader::Mark SourceReader::mark() const {
    return {token,        tokenAsWritten, indent,        line,           column,     lineEnded,
            atEof,        isString,       isNumber,      allDigits,      isOperator, pushedBack,
            endedBy,      position_,      tokenStart_,   tokenLength_,   previousStart_,
            previousLength_, lineHasTokens, statementHasTokens_};
}

void SourceReader::rewind(const Mark& m) {
    token = m.token;
    tokenAsWritten = m.tokenAsWritten;
    indent = m.indent;
    line = m.line;
    column = m.column;
    lineEnded = m.lineEnded;
    atEof = m.atEof;
    isString = m.isString;
    isNumber = m.isNumber;
    allDigits = m.allDigits;
    isOperator = m.isOperator;
    pushedBack = m.pushedBack;
    endedBy = m.endedBy;
    position_ = m.position;
    tokenStart_ = m.tokenStart;
    tokenLength_ = m.tokenLength;
    previousStart_ = m.previousStart;
    previousLength_ = m.previousLength;
    lineHasTokens = m.lineHasTokens;
    statementHasTokens_ = m.statementHasTokens;
}

std::string SourceReader::previousToken() const {
    std::string previous(text_.data() + previousStart_, previousLength_);
    for (char& ch : previous)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return previous;
}

int32_t SourceReader::peekArgumentCount() const {
    size_t i = position_;
    while (i < text_.size() && isBlank(text_[i])) ++i;
    if (i >= text_.size() || text_[i] != '(') return -1;
    int32_t depth = 0, commas = 0;
    bool anything = false;
    for (; i < text_.size(); ++i) {
        const char c = text_[i];
        if (c == '\n' || c == '\'') break;
        if (c == '"') {
            while (i + 1 < text_.size() && text_[i + 1] != '"' && text_[i + 1] != '\n') ++i;
            ++i;
            anything = true;
        } else if (c == '(') {
            if (depth++ > 0) anything = true;
        } else if (c == ')') {
            if (--depth == 0) break;
        } else if (c == ',' && depth == 1) {
            ++commas;
        } else if (!isBlank(c)) {
            anything = true;
        }
    }
    return anything || commas > 0 ? commas + 1 : 0;
}

// The token strings take what the scan left, as it says. They keep their
// length while they can (a token as long as the one before is written over
// in place): only the characters are copied.
[[gnu::always_inline]] inline void SourceReader::fill(Fill what) {
    const char* text = text_.data() + tokenStart_;
    const size_t length = tokenLength_;
    if (what != Fill::Span) {
        token.clear();
        if (what == Fill::None)
            tokenAsWritten.clear();
        else if (what == Fill::WrittenOnly)
            tokenAsWritten.assign(text, length);
        else
            tokenAsWritten.assign(":");  // Reports name the ":" where a statement was cut short.
        return;
    }
    resizeKeepingBuffer(token, length);
    resizeKeepingBuffer(tokenAsWritten, length);
    char* const upperCase = &token[0];
    char* const asWritten = &tokenAsWritten[0];
    for (size_t i = 0; i < length; ++i) {
        const char c = text[i];
        asWritten[i] = c;
        upperCase[i] = upper(c);
    }
}

void SourceReader::nextToken() {
    if (pushedBack) {
        pushedBack = false;
        return;
    }
    if (position_ >= releaseAt_) releaseBehind();
    fill(scan());
}

void SourceReader::nextWantedToken(const TokenShapes& wanted) {
    if (pushedBack) {
        pushedBack = false;
        return;
    }
    for (;;) {
        if (position_ >= releaseAt_) releaseBehind();
        const Fill what = scan();
        if (what != Fill::Span || wanted.has(text_.data() + tokenStart_, tokenLength_)) {
            fill(what);
            return;
        }
        // Nothing is written for a token passed by: the tabs it gathered go.
        indent.clear();
    }
}

// A token that is the run of the text from `start` to the current position.
inline void SourceReader::span(size_t start) {
    tokenStart_ = start;
    tokenLength_ = position_ - start;
    lineHasTokens = true;
    statementHasTokens_ = true;
}

// The place in the text and the column are kept in locals while the token
// is found, and stored before every step that reads them.
[[gnu::always_inline]] inline SourceReader::Fill SourceReader::scan() {
    previousStart_ = tokenStart_;
    previousLength_ = tokenLength_;
    tokenLength_ = 0;
    isNumber = isString = allDigits = isOperator = false;

    const char* const text = text_.data();
    const size_t size = text_.size();
    size_t at = position_;
    if (at >= size) {
        atEof = true;
        return Fill::None;
    }
    uint8_t kind = kindOf(text[at++]) & KIND;
    if (lineEnded && endedBy != End::Line) {
        // The statement ended within the line, which goes on.
        lineEnded = false;
        endedBy = End::Line;
    } else if (lineEnded) {
        // A line is counted when the first character after its line feed is read.
        lineEnded = false;
        ++line;
        column = 1;
        lineHasTokens = false;
        statementHasTokens_ = false;
    }
    if (kind == LINE_FEED) {
        position_ = at;
        lineEnded = true;
        return Fill::None;
    }
    int32_t col = column;
    // Blanks, and colons that separate nothing, before the token.
    while (kind == BLANK || kind == COLON) {
        if (kind == COLON) {
            position_ = at;
            const Colon colon = readColon();
            at = position_;
            if (colon == Colon::Separator) {
                column = col + 1;
                endStatementHere(End::Colon);
                return Fill::Colon;
            }
            if (colon == Colon::Token) break;
        }
        // The blank that starts a run is never gathered into indent; every
        // other one counts a column, as does the character after the run.
        size_t end = at, tabs = 0;
        for (; kindOf(text[end]) == BLANK; ++end) tabs += text[end] == '\t';
        if (tabs > 0) indent.append(tabs, '\t');
        col += static_cast<int32_t>(end - at);
        at = end;
        if (at >= size) {
            position_ = at;
            column = col;
            atEof = true;
            return Fill::None;
        }
        kind = kindOf(text[at++]) & KIND;
        ++col;
        if (kind == LINE_FEED) {
            position_ = at;
            column = 1;
            lineEnded = true;
            return Fill::None;
        }
    }

    const size_t start = at - 1;
    switch (kind) {
    case LETTER: {
        // name -> letter {letter | digit}
        while (kindOf(text[at]) & NAME) ++at;
        position_ = at;
        const size_t length = at - start;
        column = col + static_cast<int32_t>(length);
        // A statement that starts with REM is a comment, as one that starts with "'".
        if (length == 3 && (!statementHasTokens_ || afterThen()) && isWordAt(text_, start, "REM")) {
            readComment();
            return Fill::None;
        }
        span(start);
        // Inside a one-line IF, ELSE ends the statement before it.
        if (elseEndsStatement > 0 && length == 4 && sameLetters(text + start, "ELSE", 4)) {
            endStatementHere(End::Else);
            return Fill::WrittenOnly;
        }
        return Fill::Span;
    }
    case DIGIT: {
        // number -> digit {letter | digit}; every character after the first
        // counts a column, the one that ends the token too (it is read again
        // as the start of what follows).
        isNumber = true;
        bool digits = true;
        for (uint8_t next; (next = kindOf(text[at])) & NAME; ++at)
            if ((next & KIND) == LETTER) digits = false;
        allDigits = digits;
        position_ = at;
        column = col + static_cast<int32_t>(at - start);
        span(start);
        return Fill::Span;
    }
    case OPERATOR:
        isOperator = true;
        [[fallthrough]];
    case PAREN:
        position_ = at;
        column = col;
        span(start);
        return Fill::Span;
    case APOSTROPHE:
        position_ = at;
        column = col;
        readComment();
        return Fill::None;
    case QUOTE:
        position_ = at;
        column = col;
        readStringLiteral();
        return Fill::Span;
    default:
        // ",", "." and every other single character, bytes above 127 too.
        position_ = at;
        column = col + 1;
        span(start);
        return Fill::Span;
    }
}

// A ":" separates statements, except in "::" (a class's method after
// ADDRESSOF). One that starts a statement, or that only a comment or the
// line's end follows, separates nothing and reads as a blank.
SourceReader::Colon SourceReader::readColon() {
    const bool doubled = (position_ < text_.size() && text_[position_] == ':') ||
                         (position_ >= 2 && text_[position_ - 2] == ':');
    if (doubled) return Colon::Token;
    if (!statementHasTokens_) return Colon::Blank;
    size_t i = position_;
    while (i < text_.size() && isBlank(text_[i])) ++i;
    if (i >= text_.size() || text_[i] == '\n' || text_[i] == '\'') return Colon::Blank;
    if (isWordAt(text_, i, "REM")) {
        // The remark runs to the line's end, which is read next.
        while (position_ < text_.size() && text_[position_] != '\n') ++position_;
        return Colon::Blank;
    }
    return Colon::Separator;
}

// The token before the one being read is THEN: a statement may start here.
bool SourceReader::afterThen() const {
    return previousLength_ == 4 && isWordAt(text_, previousStart_, "THEN");
}

void SourceReader::endStatementHere(End end) {
    lineEnded = true;
    endedBy = end;
    statementHasTokens_ = false;
}

// comment -> "'" {any} LF
void SourceReader::readComment() {
    const char* text = text_.data();
    const void* lineFeed = std::memchr(text + position_, '\n', text_.size() - position_);
    if (!lineFeed) {
        position_ = text_.size();
        atEof = true;
        return;
    }
    position_ = static_cast<size_t>(static_cast<const char*>(lineFeed) - text) + 1;
    column = 1;
    if (lineHasTokens) {
        // A comment after a statement ends it exactly as the line feed would;
        // the next call counts the following line.
        lineEnded = true;
        return;
    }
    // A line holding only a comment: an empty token, the line already counted.
    ++line;
}

// literal -> '"' {any but '"' and LF} '"'
// A literal without its closing quote is reported with what was read of it
// as the token (as written); a doubled quote with the literal read so far.
void SourceReader::readStringLiteral() {
    const char* text = text_.data();
    const size_t start = position_ - 1;
    size_t end = position_;
    while (end < text_.size() && text[end] != '"' && text[end] != '\n') ++end;
    // Every character read counts a column, the one that ends the literal too.
    const int c = end < text_.size() ? text[end++] : END;
    column += static_cast<int32_t>(end - position_);
    position_ = end;
    isString = true;
    if (c != '"') {
        // The line feed is consumed inside the literal: count it as the end
        // of the statement so that recovery does not swallow the next line.
        tokenStart_ = start;
        tokenLength_ = (c == END ? position_ : position_ - 1) - start;
        token.assign(text + start, tokenLength_);
        tokenAsWritten.clear();
        if (c == END)
            atEof = true;
        else
            lineEnded = true;
        throw SyntaxError{missingQuote};
    }
    if (position_ < text_.size() && text[position_] == '"') {
        // The second quote is read; the literal before it is reported.
        tokenStart_ = start;
        tokenLength_ = position_ - start;
        token.assign(text + start, tokenLength_);
        tokenAsWritten.clear();
        ++position_;
        throw SyntaxError{missingQuote};
    }
    span(start);
}
