// The token scanner. The column arithmetic is deliberately irregular: the
// reported position of a token is `column` minus its length, and callers'
// diagnostics rely on the exact rules of each token kind below.
#include "source/source_reader.h"

#include <cstdio>
#include <filesystem>

#include "source/characters.h"
#include "source/syntax_error.h"

namespace {

const char* const missingQuote =
    "Syntax error, no matching quote in statement. Note:Double quotes cannot be used inside "
    "double quotes. Use Chr(34) instead.";

bool isOperatorChar(int c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

// What a file is now: a kept text is used again only while its file still
// has the size and time it had when it was read.
struct FileStamp {
    bool regular = false;
    uintmax_t size = 0;
    int64_t time = 0;
};

FileStamp stampOf(const std::string& fileName) {
    FileStamp stamp;
    std::error_code error;
    stamp.size = std::filesystem::file_size(fileName, error);
    if (error) return stamp;
    const auto time = std::filesystem::last_write_time(fileName, error);
    if (error) return stamp;
    stamp.time = static_cast<int64_t>(time.time_since_epoch().count());
    stamp.regular = true;
    return stamp;
}

}  // namespace

bool SourceReader::open(const std::string& fileName) {
    if (isOpen_) return false;
    // A folder opens as an empty stream on some hosts: it is no module.
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error)) return false;
    const FileStamp stamp = stampOf(fileName);
    for (auto kept = kept_.begin(); kept != kept_.end(); ++kept) {
        if (kept->fileName != fileName) continue;
        const bool unchanged = stamp.regular && stamp.size == kept->size && stamp.time == kept->time;
        std::string text = std::move(kept->text);
        kept_.erase(kept);
        if (!unchanged) break;
        // The text as it was read and prepared then.
        start(std::move(text));
        source_ = {fileName, stamp.size, stamp.time, {}};
        return true;
    }
    // Binary: carriage returns are dropped by openText on every host alike.
    std::FILE* input = std::fopen(fileName.c_str(), "rb");
    if (!input) return false;
    // One read of the size the file has, with a byte to spare for the line
    // feed a last line may need; a file that grew, or one that tells no
    // size, reads on to its end. A read that fails keeps what came before.
    std::string text;
    text.resize(static_cast<size_t>(stamp.regular ? stamp.size : 0) + 1);
    size_t length = 0;
    for (;;) {
        length += std::fread(&text[length], 1, text.size() - length, input);
        if (length < text.size()) break;
        text.resize(text.size() * 2);
    }
    std::fclose(input);
    text.resize(length);
    openText(std::move(text));
    // A text that is the whole file as it stands can be kept for the next pass.
    if (stamp.regular && length == stamp.size) source_ = {fileName, stamp.size, stamp.time, {}};
    return true;
}

bool SourceReader::openText(std::string text) {
    if (isOpen_) return false;
    // A UTF-8 byte-order mark, as some Windows editors write one, is no text.
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    // CR LF reads as LF on every host alike.
    if (text.find('\r') != std::string::npos) {
        size_t kept = 0;
        for (size_t i = 0; i < text.size(); ++i)
            if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) text[kept++] = text[i];
        text.resize(kept);
    }
    // A last line without its line feed reads as if it had one.
    if (!text.empty() && text.back() != '\n') text += '\n';
    start(std::move(text));
    return true;
}

void SourceReader::start(std::string text) {
    line = 0;
    column = 1;
    token.clear();
    lineEnded = true;
    endedBy = End::Line;
    atEof = false;
    isString = false;
    lineHasTokens = false;
    statementHasTokens_ = false;
    tokenLength_ = 0;
    text_ = std::move(text);
    position_ = 0;
    source_.fileName.clear();
    isOpen_ = true;
}

void SourceReader::close() {
    isOpen_ = false;
    text_.clear();
    position_ = 0;
    source_.fileName.clear();
}

void SourceReader::closeKeepingText() {
    if (isOpen_ && !source_.fileName.empty()) {
        source_.text = std::move(text_);
        kept_.push_back(std::move(source_));
        source_ = {};
    }
    close();
}

void SourceReader::pushBack() { pushedBack = true; }

void SourceReader::throwError(const char* message) { throw SyntaxError{message}; }

void SourceReader::expectNextLineEnd(const char* message) {
    if (lineEnded || atEof) return;
    nextToken();
    expectLineEnd(message);
    pushBack();
}

inline int SourceReader::readChar() {
    if (position_ >= text_.size()) return END;
    return static_cast<unsigned char>(text_[position_++]);
}

// The character read last goes back: it is read again next.
inline void SourceReader::unreadChar() { --position_; }

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

// A token that is the run of the text from `start` to the current position.
void SourceReader::finishSpan(size_t start) {
    tokenStart_ = start;
    tokenLength_ = position_ - start;
    // Both were emptied by nextToken; appending keeps their buffers.
    const char* text = text_.data() + start;
    tokenAsWritten.append(text, tokenLength_);
    token.append(text, tokenLength_);
    for (char& ch : token)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    lineHasTokens = true;
    statementHasTokens_ = true;
}

void SourceReader::nextToken() {
    if (pushedBack) {
        pushedBack = false;
        return;
    }
    previousStart_ = tokenStart_;
    previousLength_ = tokenLength_;
    tokenLength_ = 0;
    token.clear();
    tokenAsWritten.clear();
    isNumber = isString = allDigits = isOperator = false;

    int c = readChar();
    if (c == END) {
        atEof = true;
        return;
    }
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
    if (c == '\n') {
        lineEnded = true;
        return;
    }
    // Blanks, and colons that separate nothing, before the token.
    for (;;) {
        if (c == ':') {
            const Colon colon = readColon();
            if (colon == Colon::Separator) {
                // Reports name the ":" where a statement was cut short.
                ++column;
                tokenAsWritten = ":";
                return endStatementHere(End::Colon);
            }
            if (colon == Colon::Token) break;
        } else if (!isBlank(c)) {
            break;
        }
        // The blank that starts a run is never gathered into indent.
        for (;;) {
            c = readChar();
            if (c == '\t') indent += '\t';
            if (c == END) {
                atEof = true;
                return;
            }
            ++column;
            if (isBlank(c)) continue;
            if (c == '\n') {
                lineEnded = true;
                column = 1;
                return;
            }
            break;
        }
    }

    if (c == '\'') {
        readComment();
    } else if (isDigit(c)) {
        readNumber();
    } else if (isOperatorChar(c)) {
        isOperator = true;
        finishSpan(position_ - 1);
    } else if (isLetter(c)) {
        readWord();
    } else if (c == '(' || c == ')') {
        finishSpan(position_ - 1);
    } else if (c == '"') {
        readStringLiteral();
    } else {
        // ",", "." and every other single character, bytes above 127 too.
        ++column;
        finishSpan(position_ - 1);
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
    int c;
    do {
        c = readChar();
        if (c == END) {
            atEof = true;
            return;
        }
    } while (c != '\n');
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

// number -> digit {letter | digit}
// Every character after the first counts a column, the one that ends the
// token too (it is read again as the start of what follows).
void SourceReader::readNumber() {
    isNumber = true;
    allDigits = true;
    const size_t start = position_ - 1;
    while (position_ < text_.size() && (isLetter(text_[position_]) || isDigit(text_[position_]))) {
        if (isLetter(text_[position_])) allDigits = false;
        ++position_;
    }
    column += static_cast<int32_t>(position_ - start);
    finishSpan(start);
}

// name -> letter {letter | digit}
// A statement that starts with REM is a comment, as one that starts with "'".
// Inside a one-line IF, ELSE ends the statement before it.
void SourceReader::readWord() {
    const size_t start = position_ - 1;
    while (position_ < text_.size() && (isLetter(text_[position_]) || isDigit(text_[position_]))) ++position_;
    column += static_cast<int32_t>(position_ - start);
    if ((!statementHasTokens_ || afterThen()) && isWordAt(text_, start, "REM")) return readComment();
    finishSpan(start);
    if (elseEndsStatement > 0 && is("ELSE")) {
        token.clear();
        endStatementHere(End::Else);
    }
}

// literal -> '"' {any but '"' and LF} '"'
// A literal without its closing quote is reported with what was read of it
// as the token (as written); a doubled quote with the literal read so far.
void SourceReader::readStringLiteral() {
    const size_t start = position_ - 1;
    int c;
    do {
        c = readChar();
        if (c == END) break;
        ++column;
    } while (c != '"' && c != '\n');
    isString = true;
    if (c != '"') {
        // The line feed is consumed inside the literal: count it as the end
        // of the statement so that recovery does not swallow the next line.
        tokenStart_ = start;
        tokenLength_ = (c == END ? position_ : position_ - 1) - start;
        token.assign(text_.data() + start, tokenLength_);
        if (c == END)
            atEof = true;
        else
            lineEnded = true;
        throw SyntaxError{missingQuote};
    }
    const size_t end = position_;
    c = readChar();
    if (c == '"') {
        tokenStart_ = start;
        tokenLength_ = end - start;
        token.assign(text_.data() + start, tokenLength_);
        throw SyntaxError{missingQuote};
    }
    if (c != END) unreadChar();
    finishSpan(start);
}
