#ifndef _NET_API_
#define _NET_API_
#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;

inline Long counter;

inline Long Ping ();
inline Long Ping (){
}


#endif

