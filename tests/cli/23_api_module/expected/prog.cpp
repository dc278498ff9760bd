#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "NET.h";
Long Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Long Main (){
}


