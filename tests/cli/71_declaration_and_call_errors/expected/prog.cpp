#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Long total;

Void Report (String what,Long k);
Void Beep ();
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void Report (String what,Long k){
}

Void Beep (){
}

Void Main (){
Long b{}Long d=Long h=1Long total=total+1String o=Long k=1Report("one"Report(Beep(Print(Report(Report("x",1,Report("x",(1Report("x",1Long ok=2;
String fine="still converted";

Report(fine,ok);
}


