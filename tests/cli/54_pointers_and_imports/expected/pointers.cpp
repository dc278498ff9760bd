#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Long Twice (Long n);
Long Square (Long n);
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Long Twice (Long n){
return n*2;
}


Long Square (Long n){
return n*n;
}


Void Main (){
typedef Long(*Longop)(Long);
Longop op{};
;

op=(Longop)Twice;
Print("twice 5 = " + Str(op(5)));
op=(Longop)Square;
Print("square 5 = " + Str(op(5)));
}


