#include "expr/whole_term.h"

#include "expr/operators.h"

namespace {

// Past the operand that starts at the current token: a name with its
// members, index or call arguments, a number, a literal or a group.
void skipOperand(SourceReader& r) {
    const bool group = r.is("(");
    if (group) {
        skipGroup(r);
        return;
    }
    r.nextToken();
    while (!r.lineEnded && !r.atEof && (r.is("(") || r.is("."))) {
        if (r.is("(")) {
            skipGroup(r);
        } else {
            r.nextToken();
            r.nextToken();
        }
    }
}

// Past the rest of the group the scan stands in, and its ")"; false when
// the line ends first.
bool leaveGroup(SourceReader& r) {
    for (int32_t depth = 0;;) {
        if (r.lineEnded || r.atEof) return false;
        if (r.is("(")) ++depth;
        if (r.is(")") && depth-- == 0) {
            r.nextToken();
            return true;
        }
        r.nextToken();
    }
}

bool scan(SourceReader& r, int32_t groupDepth) {
    skipOperand(r);
    for (;;) {
        if (r.lineEnded || r.atEof) return false;
        if (arithmeticWord(r)) return true;
        if (r.is("*") || r.is("/")) {
            // A sign may stand before the next factor.
            r.nextToken();
            while (r.is("-") || r.is("+")) r.nextToken();
            if (r.lineEnded || r.atEof) return false;
            skipOperand(r);
        } else if (r.is(")") && groupDepth > 0) {
            // The group is an operand of what follows it.
            --groupDepth;
            r.nextToken();
        } else if ((r.is("+") || r.is("-")) && groupDepth > 0) {
            // A sum is whole only as a whole group.
            if (!leaveGroup(r)) return false;
            --groupDepth;
        } else {
            return false;
        }
    }
}

}  // namespace

bool reachesWholeOperator(SourceReader& r, int32_t groupDepth) {
    const SourceReader::Mark start = r.mark();
    const bool whole = scan(r, groupDepth);
    r.rewind(start);
    return whole;
}
