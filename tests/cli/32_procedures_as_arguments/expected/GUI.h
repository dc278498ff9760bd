#ifndef _GUI_API_
#define _GUI_API_
#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;

typedef void(*voidcurrent)(Long);
extern voidcurrent current;
inline Void Register (void(*f)(Long));
inline Void Register (void(*f)(Long)){
current=(voidcurrent)f;
current(12);
}


typedef void(*voidcurrent)(Long);
inline voidcurrent current{};
;


#endif

