#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "Square.h"


 Square ::  Square (){

w=1;
Print("square made");
}

Long Square ::  Area (){

return w*w;
}

Long Square ::  GetSide (){

return w;
}

void Square ::  SetSide (Long v){

w=v;
}


