#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "Button.h"




Void Button ::  Beep (Long n){

Print("beep " + Str(n));
}


Void Button ::  OnPress (void(*f)(Long)){
pressed=(voidpressed)f;
}


Void Button ::  Press (){
pressed(1);
}


