#ifndef _PRESETS_MODULE_
#define _PRESETS_MODULE_
#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
const long LIMIT=40;
#define MASK 0x1F
extern Long level;
extern String names;
extern String tags;
#endif
