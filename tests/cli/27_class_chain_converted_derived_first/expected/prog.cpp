#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "CC.h";
#include "BB.h";
#include "AA.h";
Double Size ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Double Size (){
}


