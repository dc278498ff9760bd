#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
const long SLOTS=2;
typedef void(*voidtable)(Long);
voidtable table[2]{};
;


Void Notify (void(*f)(Long));
Void Notify (void(*f)(Long)){
table[1]=(voidtable)f;
table[1](10);
}


