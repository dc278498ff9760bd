#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Void g ();
Void h ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void g (){
return;
}
Void h (){
}


