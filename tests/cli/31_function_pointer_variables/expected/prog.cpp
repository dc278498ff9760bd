#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Void f ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void f (){
typedef Long(*Longh)(Long,String);
Longh h{};
;

typedef void(*voidk)();
voidk k{};
;

}


