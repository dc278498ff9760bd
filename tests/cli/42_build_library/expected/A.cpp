#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Long a;


Long Bump ();
Long Bump (){
a=a+1;
return a;
}


