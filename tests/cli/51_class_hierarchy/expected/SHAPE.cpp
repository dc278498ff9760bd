#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "Shape.h"



String Shape ::  Name (){

return "shape";
}

 Shape ::  ~Shape (){

Print("shape destroyed");
}


