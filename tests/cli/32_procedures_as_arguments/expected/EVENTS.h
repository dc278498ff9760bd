#ifndef _EVENTS_MODULE_
#define _EVENTS_MODULE_
#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
const long SLOTS=2;
typedef void(*voidtable)(Long);
extern voidtable table[2];
Void Notify (void(*f)(Long));
#endif
