#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "HELPERS.h";

Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void Main (){
Pair p{};

p.a=LIMIT;
p.b=Twice(p.a)+MASK;
Print(Str(p.b) + " after " + Str(calls) + " call");
}


