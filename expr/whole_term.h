// Whether an operand of a value for a Double or Single is, through the
// products and groups around it, an operand of MOD or "\": there it keeps
// its own whole type, since a cast to Double would make "\" keep the
// fraction ((n + 1) \ m, n * 3 \ 2) and MOD not compile.
#pragma once

#include <cstdint>

#include "source/source_reader.h"

// The reader is at the operand's first token and comes back there;
// `groupDepth` is the number of groups of the value open around it.
bool reachesWholeOperator(SourceReader& r, int32_t groupDepth);
