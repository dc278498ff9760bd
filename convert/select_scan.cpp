#include "convert/select_scan.h"

#include <cstring>

#include "source/characters.h"

namespace {

// Nested SELECT CASE blocks deeper than this are not followed: each scan
// then stays short, whatever the module holds.
constexpr int maxDepth = 64;


// The statements of the text, one after the other, as tokens.
class Statements {
public:
    explicit Statements(std::string_view text) : text_(text) {}

    // The tokens of the next statement (none for a blank line or a
    // comment); false at the end of the text.
    bool next(std::vector<ScannedToken>& tokens) {
        tokens.clear();
        if (at_ >= text_.size()) return false;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '\n' || (c == ':' && !doubledColon())) {
                ++at_;
                break;
            }
            if (isBlank(c)) {
                ++at_;
            } else if (c == '\'') {
                skipComment();
            } else if (c == '"') {
                literal(tokens);
            } else if (isLetter(c) || isDigit(c)) {
                const size_t start = at_;
                while (at_ < text_.size() && (isLetter(text_[at_]) || isDigit(text_[at_]))) ++at_;
                const ScannedToken::Kind kind = isDigit(c) ? ScannedToken::Kind::Number : ScannedToken::Kind::Name;
                tokens.push_back({kind, std::string(text_.substr(start, at_ - start))});
                if (tokens.size() == 1 && isWord(tokens.front(), "REM")) {
                    tokens.clear();
                    skipComment();
                }
            } else {
                tokens.push_back({ScannedToken::Kind::Mark, std::string(1, c)});
                ++at_;
            }
        }
        return true;
    }

private:
    // "::" (a class's method after ADDRESSOF) separates nothing.
    bool doubledColon() const {
        return (at_ + 1 < text_.size() && text_[at_ + 1] == ':') || (at_ > 0 && text_[at_ - 1] == ':');
    }

    // To the line feed, which then ends the statement.
    void skipComment() {
        while (at_ < text_.size() && text_[at_] != '\n') ++at_;
    }

    // A literal ends at its closing quote, or unclosed at the line's end.
    void literal(std::vector<ScannedToken>& tokens) {
        const size_t start = at_++;
        while (at_ < text_.size() && text_[at_] != '"' && text_[at_] != '\n') ++at_;
        if (at_ < text_.size() && text_[at_] == '"') ++at_;
        tokens.push_back({ScannedToken::Kind::Text, std::string(text_.substr(start, at_ - start))});
    }

    std::string_view text_;
    size_t at_ = 0;
};

bool isWordAt(const std::vector<ScannedToken>& tokens, size_t i, const char* upperWord) {
    return i < tokens.size() && isWord(tokens[i], upperWord);
}

// A statement that ends the procedure the SELECT stands in, or begins the
// next one, which ends it as well.
bool endsProcedure(const std::vector<ScannedToken>& tokens) {
    if (isWordAt(tokens, 0, "END")) return isWordAt(tokens, 1, "FUNCTION") || isWordAt(tokens, 1, "PROPERTY");
    if (isWordAt(tokens, 0, "FUNCTION")) return true;
    if (!isWordAt(tokens, 0, "PUBLIC") && !isWordAt(tokens, 0, "PRIVATE") && !isWordAt(tokens, 0, "PROTECTED"))
        return false;
    const size_t head = isWordAt(tokens, 1, "STATIC") ? 2 : 1;
    return isWordAt(tokens, head, "FUNCTION") || isWordAt(tokens, head, "PROPERTY");
}

}  // namespace

bool isWord(const ScannedToken& token, const char* upperWord) {
    if (token.kind != ScannedToken::Kind::Name || token.text.size() != std::strlen(upperWord)) return false;
    for (size_t i = 0; i < token.text.size(); ++i) {
        char c = token.text[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != upperWord[i]) return false;
    }
    return true;
}

SelectAhead scanSelectAhead(std::string_view text) {
    SelectAhead ahead;
    Statements statements(text);
    std::vector<ScannedToken> tokens;
    statements.next(tokens);  // the rest of the SELECT line
    int depth = 0;
    while (statements.next(tokens)) {
        if (tokens.empty()) continue;
        if (endsProcedure(tokens)) break;
        if (isWordAt(tokens, 0, "END") && isWordAt(tokens, 1, "SELECT")) {
            if (depth == 0) break;
            --depth;
            continue;
        }
        if (depth == 0 && isWord(tokens.front(), "CASE")) {
            ahead.cases.emplace_back(tokens.begin() + 1, tokens.end());
            continue;
        }
        if (depth == 0 && ahead.cases.empty()) ahead.statementBeforeCase = true;
        if (isWordAt(tokens, 0, "SELECT") && isWordAt(tokens, 1, "CASE") && ++depth > maxDepth) {
            ahead.tooDeep = true;
            break;
        }
    }
    return ahead;
}
