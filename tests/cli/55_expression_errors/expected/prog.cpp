#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Long n;

String s;

Long Add (Long a,Long b);
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Long Add (Long a,Long b){
return a+b;
}

Void Main (){
n=Add(1,2,n=Add(1n=Addn=Add(s=(String)(n>2);
n=(Long)sn=5;
}


