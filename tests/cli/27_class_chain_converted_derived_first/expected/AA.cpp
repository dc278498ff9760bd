#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "Aa.h"


Long Aa ::  Fa (Long &n){

}




