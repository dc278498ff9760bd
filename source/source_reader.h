// The token stream of one BASIC module, read one character at a time from
// the module's text (read whole when the module is opened). A statement is
// the run of tokens up to the next line feed; `lineEnded` tells the callers
// where it ended.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "driver/host.h"

class SourceReader {
public:
    // Opens a module; false when it cannot be opened or a file is open.
    bool open(const std::string& fileName);
    // Opens a module held in memory.
    bool openText(std::string text);
    void close();
    // Closes the module and keeps its text for the next open() of the same
    // file name, which takes it instead of reading the file again while the
    // file still has the size and time it had when it was read. Only a text
    // read from a file whole, at once, is kept.
    void closeKeepingText();
    bool isOpen() const { return isOpen_; }

    // Reads the next token into `token`, `tokenAsWritten` and the flags.
    // Throws SyntaxError for a string literal without its closing quote.
    void nextToken();
    // Tokens told by their length and the first letter (either case): for
    // each length up to `longest`, a bit per letter ('A' & 31 and so on).
    struct TokenShapes {
        static constexpr size_t longest = 15;
        uint32_t firstLetters[longest + 1] = {};
        constexpr void add(std::string_view word) { firstLetters[word.size()] |= 1u << (word[0] & 31); }
        bool has(const char* text, size_t length) const {
            // An empty token's length wraps round past `longest`.
            return length - 1 < longest && (firstLetters[length] >> (text[0] & 31) & 1) != 0;
        }
    };
    // As nextToken(), but reads on past every name, number or sign of none
    // of the `wanted` shapes (the tabs before them are not gathered into
    // `indent`): it stops at a token of a wanted shape or at the end of a
    // statement or of the module. For passes that look at few of the tokens.
    void nextWantedToken(const TokenShapes& wanted);
    // The next nextToken() delivers the current token again (one level).
    void pushBack();

    // Whether the current token (upper case) is `keyword`; the length is
    // known when this is compiled, so most tokens are told apart by it.
    template <size_t N>
    bool is(const char (&keyword)[N]) const {
        return token.size() == N - 1 && std::memcmp(token.data(), keyword, N - 1) == 0;
    }
    // Reads past `keyword` when it is the current token.
    template <size_t N>
    bool accept(const char (&keyword)[N]) {
        if (!is(keyword)) return false;
        nextToken();
        return true;
    }
    // The current token must be `keyword`; otherwise `message` is the error.
    template <size_t N>
    void expect(const char (&keyword)[N], const char* message) const {
        if (!is(keyword)) throwError(message);
    }
    // The current token must be `keyword`, and is read past.
    template <size_t N>
    void skip(const char (&keyword)[N], const char* message) {
        expect(keyword, message);
        nextToken();
    }
    // The current token must end the statement.
    void expectLineEnd(const char* message) const {
        if (!lineEnded && !atEof) throwError(message);
    }
    // The token after the current one must end the statement; the next
    // nextToken() delivers that end again.
    void expectNextLineEnd(const char* message);

    std::string token;
    std::string tokenAsWritten;
    // The arguments of a call whose name is the current token, counted in
    // the text ahead without reading it: -1 when no "(" follows on the
    // line, 0 for "()".
    int32_t peekArgumentCount() const;

    // The text after the current token, to the end of the module, for
    // looking ahead without reading.
    std::string_view textAhead() const { return std::string_view(text_).substr(position_); }


    // The token before the current one, upper case.
    std::string previousToken() const;
    int32_t line = 0;
    int32_t column = 1;
    std::string indent;
    // `lineEnded` is set at the end of every statement: a line feed (or a
    // comment) ends the line too; ":" and, inside a one-line IF, ELSE end
    // the statement and the line goes on.
    enum class End { Line, Colon, Else };
    bool lineEnded = true;
    End endedBy = End::Line;
    // One-line IFs being converted: while above 0 the word ELSE ends a statement.
    int32_t elseEndsStatement = 0;
    bool atEof = false;
    bool isString = false;
    bool isNumber = false;
    bool allDigits = false;
    bool isOperator = false;
    bool pushedBack = false;

    // Where the reader stands, to come back to after reading ahead: the
    // current token and everything the next read depends on.
    struct Mark {
        std::string token, tokenAsWritten, indent;
        int32_t line, column;
        bool lineEnded, atEof, isString, isNumber, allDigits, isOperator, pushedBack;
        End endedBy;
        size_t position, tokenStart, tokenLength, previousStart, previousLength;
        bool lineHasTokens, statementHasTokens;
    };
    Mark mark() const;
    void rewind(const Mark& mark);

private:
    static constexpr int END = -1;

    [[noreturn]] static void throwError(const char* message);

    // What the token strings take from the token just scanned: nothing, its
    // span (as written and upper case), its span as written alone (an ELSE
    // that ends a statement), or ":" as written (a statement separator).
    enum class Fill { None, Span, WrittenOnly, Colon };
    // Reads one token: its span, line, column and flags.
    Fill scan();
    void fill(Fill what);
    void span(size_t start);
    void readComment();
    void readStringLiteral();
    // A ":" read: a statement separator, half of "::", or passed over like
    // a blank (nothing before it, or nothing but a comment after it).
    enum class Colon { Separator, Token, Blank };
    Colon readColon();
    bool afterThen() const;
    void endStatementHere(End end);
    // Opens a text already prepared (byte-order mark, CR LF, last line feed).
    void start(std::string text);
    // Opens the mapped file as it stands, when it needs no preparing.
    bool startMapped();
    // Gives back the mapped pages well behind the reading position.
    void releaseBehind();

    struct KeptText {
        std::string fileName;
        uintmax_t size = 0;
        int64_t time = 0;
        std::string text;
    };
    // The file the open text came from, when it can be kept (a name).
    KeptText source_;
    std::vector<KeptText> kept_;

    // The text being read: `owned_`, or the mapped file's bytes.
    std::string_view text_;
    std::string owned_;
    host::MappedFile mapped_;
    // The reading position at which pages behind it are given back next.
    size_t releaseAt_ = SIZE_MAX;
    size_t releasedTo_ = 0;
    size_t position_ = 0;
    // Where the current and the previous token stand in the text.
    size_t tokenStart_ = 0, tokenLength_ = 0;
    size_t previousStart_ = 0, previousLength_ = 0;
    bool isOpen_ = false;
    bool lineHasTokens = false;
    bool statementHasTokens_ = false;
};
