#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "Cc.h"

Long Cc ::  Size (){
}


