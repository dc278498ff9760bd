#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "BASE.h";
#include "DERIVED.h";
Long total;

String total;

Integer level;


Long Sum (Long n);
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Long Sum (Long n){
String level{};

total=n+1;
level=(String)n;
return total;
}


Void Main (){
Derived *d{};

d=new Derived;
Print(Str(d->Area()) + Str(Sum(2)));
}


