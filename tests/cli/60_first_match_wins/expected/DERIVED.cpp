#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "Derived.h"

Long Derived ::  Area (){

return 2;
}

String Derived ::  Label (){

return Name()+Str(Area());
}


