#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Double Area (Long w,Long &h);
Void Init ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Double Area (Long w,Long &h){
Long t{};

}

Void Init (){
return;

}


