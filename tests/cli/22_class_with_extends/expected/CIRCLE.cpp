#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "Circle.h"


Double Circle ::  Area (){
}


