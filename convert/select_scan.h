// The look-ahead of a SELECT CASE line: the CASE lines of its own block,
// read from the module text after the selector without moving the reader,
// so that the SELECT line can choose its C++ form before its CASEs come.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct ScannedToken {
    enum class Kind { Name, Number, Text, Mark };
    Kind kind;
    std::string text;  // as written; a Text with its quotes
};

struct SelectAhead {
    // The tokens after CASE on each CASE line of this SELECT, in order.
    std::vector<std::vector<ScannedToken>> cases;
    // A statement stands between the SELECT line and its first CASE.
    bool statementBeforeCase = false;
    // SELECT CASE blocks nested deeper than the scan follows them: its
    // CASE lines are not all known.
    bool tooDeep = false;
};

// `text` starts after the selector of the SELECT line. The rest of that
// line is passed over; the scan ends at the END SELECT of this block, at
// the end of the procedure (END FUNCTION, END PROPERTY or the next head),
// or at the end of the text. Statements end at a line feed or at a ":"
// outside string literals; "'" starts a comment to the end of the line,
// and so does REM as the first word of a statement. SELECT CASE and END
// SELECT in between are counted, so that the CASEs of nested blocks are
// left out.
SelectAhead scanSelectAhead(std::string_view text);

// Whether a scanned token is that word, in any letter case.
bool isWord(const ScannedToken& token, const char* upperWord);
