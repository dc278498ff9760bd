#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void Main (){
Long a{};

Long b{};

a=1;
b=2;
a=a+b;
Print(Str(a));
b=0;
a=3;
a=4;
b=5;
while(a>0){
a=a-1;
}
}


