#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "Counter.h"








Void Counter ::  Print (){

count=count+1;
}


Void Counter ::  Show (){

Print();
::Print("start " + Str(start));
if(count>1){
	Print();
}
else
{
	::Print("first");
}
}


