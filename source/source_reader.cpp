// The token scanner. The column arithmetic is deliberately irregular: the
// reported position of a token is `column` minus its length, and callers'
// diagnostics rely on the exact rules of each token kind below.
#include "source/source_reader.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "source/syntax_error.h"

namespace {

const char* const missingQuote =
    "Syntax error, no matching quote in statement. Note:Double quotes cannot be used inside "
    "double quotes. Use Chr(34) instead.";

bool isLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isDigit(int c) { return c >= '0' && c <= '9'; }
bool isBlank(int c) { return c == ' ' || c == '\t'; }
bool isOperatorChar(int c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

}  // namespace

bool SourceReader::open(const std::string& fileName) {
    if (isOpen_) return false;
    // A folder opens as an empty stream on some hosts: it is no module.
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error)) return false;
    // Binary: carriage returns are dropped by readChar on every host alike.
    std::ifstream input(fileName, std::ios::in | std::ios::binary);
    if (!input.is_open()) return false;
    std::ostringstream text;
    text << input.rdbuf();
    if (input.bad()) return false;
    return openText(text.str());
}

bool SourceReader::openText(std::string text) {
    if (isOpen_) return false;
    line = 0;
    column = 1;
    token.clear();
    lineEnded = true;
    atEof = false;
    isString = false;
    hasAhead = false;
    lastRead = '\n';
    lineHasTokens = false;
    text_ = std::move(text);
    // A UTF-8 byte-order mark, as some Windows editors write one, is no text.
    position_ = text_.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    isOpen_ = true;
    return true;
}

void SourceReader::close() {
    isOpen_ = false;
    text_.clear();
    position_ = 0;
}

void SourceReader::pushBack() { pushedBack = true; }

int SourceReader::readChar() {
    int c;
    if (hasAhead) {
        hasAhead = false;
        c = aheadChar;
    } else {
        if (position_ >= text_.size()) {
            // A last line without its line feed reads as if it had one.
            if (lastRead == '\n') return END;
            c = '\n';
        } else {
            c = static_cast<unsigned char>(text_[position_++]);
            if (c == '\r' && position_ < text_.size() && text_[position_] == '\n') c = text_[position_++];
        }
    }
    lastRead = c;
    lastChar = static_cast<char>(c);
    return c;
}

void SourceReader::unreadChar(int c) {
    aheadChar = c;
    hasAhead = true;
}

void SourceReader::finishToken() {
    tokenAsWritten = token;
    for (char& ch : token)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    if (!token.empty()) lineHasTokens = true;
}

void SourceReader::nextToken() {
    if (pushedBack) {
        pushedBack = false;
        return;
    }
    // The buffers change places: no copy, and no allocation once warm.
    previousToken.swap(token);
    token.clear();
    tokenAsWritten.clear();
    isNumber = isString = allDigits = isOperator = false;

    int c = readChar();
    if (c == END) {
        atEof = true;
        return;
    }
    if (lineEnded) {
        // A line is counted when the first character after its line feed is read.
        lineEnded = false;
        ++line;
        column = 1;
        lineHasTokens = false;
    }
    if (c == '\n') {
        lineEnded = true;
        return;
    }
    if (isBlank(c)) {
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
        readNumber(c);
    } else if (isOperatorChar(c)) {
        isOperator = true;
        token = static_cast<char>(c);
        finishToken();
    } else if (isLetter(c)) {
        readWord(c);
    } else if (c == '(' || c == ')') {
        token = static_cast<char>(c);
        finishToken();
    } else if (c == '"') {
        readStringLiteral(c);
    } else {
        // ",", "." and every other single character, bytes above 127 too.
        token = static_cast<char>(c);
        ++column;
        finishToken();
    }
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
    finishToken();
}

// number -> digit {letter | digit}
void SourceReader::readNumber(int c) {
    isNumber = true;
    allDigits = true;
    do {
        token += static_cast<char>(c);
        c = readChar();
        if (c == END) {
            atEof = true;
            allDigits = true;
            return;
        }
        ++column;
        if (isLetter(c)) allDigits = false;
    } while (isLetter(c) || isDigit(c));
    unreadChar(c);
    finishToken();
}

// name -> letter {letter | digit}
void SourceReader::readWord(int c) {
    do {
        token += static_cast<char>(c);
        c = readChar();
        if (c == END) {
            atEof = true;
            return;
        }
        ++column;
    } while (isLetter(c) || isDigit(c));
    unreadChar(c);
    finishToken();
}

// literal -> '"' {any but '"' and LF} '"'
void SourceReader::readStringLiteral(int c) {
    do {
        token += static_cast<char>(c);
        c = readChar();
        if (c == END) break;
        ++column;
    } while (c != '"' && c != '\n');
    isString = true;
    if (c != '"') {
        // The line feed is consumed inside the literal: count it as the end
        // of the statement so that recovery does not swallow the next line.
        if (c == END)
            atEof = true;
        else
            lineEnded = true;
        throw SyntaxError{missingQuote};
    }
    token += '"';
    c = readChar();
    if (c == '"') throw SyntaxError{missingQuote};
    if (c != END) unreadChar(c);
    finishToken();
}
