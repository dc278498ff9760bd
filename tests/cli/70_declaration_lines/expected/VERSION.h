#ifndef _VERSION_API_
#define _VERSION_API_
#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;

inline Long release=2;
inline Long patch;


#endif

