// The token stream of one BASIC module, read straight from the file one
// character at a time. A statement is the run of tokens up to the next line
// feed; `lineEnded` tells the callers where it ended.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

class SourceReader {
public:
    // Opens a module; false when it cannot be opened or a file is open.
    bool open(const std::string& fileName);
    void close();
    bool isOpen() const { return input.is_open(); }

    // Reads the next token into `token`, `tokenAsWritten` and the flags.
    // Throws SyntaxError for a string literal without its closing quote.
    void nextToken();
    // The next nextToken() delivers the current token again (one level).
    void pushBack();

    char lastChar = 0;
    std::string token;
    std::string tokenAsWritten;
    std::string previousToken;
    int32_t line = 0;
    int32_t column = 1;
    std::string indent;
    bool lineEnded = true;
    bool atEof = false;
    bool isString = false;
    bool isNumber = false;
    bool allDigits = false;
    bool isOperator = false;
    bool pushedBack = false;

private:
    static constexpr int END = -1;

    // One character, with CR LF read as LF and a line feed supplied after a
    // last line that has none. END at the end of the file.
    int readChar();
    void unreadChar(int c);
    void finishToken();
    void readComment();
    void readWord(int c);
    void readNumber(int c);
    void readStringLiteral(int c);

    std::ifstream input;
    int aheadChar = END;      // one character given back to the stream
    bool hasAhead = false;
    int lastRead = '\n';      // last character readChar returned
    bool lineHasTokens = false;
};
