#ifndef _HELPERS_MODULE_
#define _HELPERS_MODULE_
#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
const long LIMIT=10;
#define MASK 0x1F
struct Pair{
	Long a;
	Long b;
};
extern Long calls;
extern Long history[8];
Long Twice (Long n);
Long Doubled (Long n);
#endif
