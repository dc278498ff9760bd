#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "WIDGET.h";
#include "GADGET.h";
Long GetWidth ();
void SetWidth (Long v);
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Long GetWidth (){

}

void SetWidth (Long v){

}


