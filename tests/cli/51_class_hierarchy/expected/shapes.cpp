#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "SHAPE.h";
#include "SQUARE.h";

Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void Main (){
Shape *s{};

Square *q{};

Long area{};

q=new Square;
q->SetSide(4);
s=q;
area=s->Area();
Print("area " + Str(area));
Print("side " + Str(q->GetSide()));
Print(s->Name());
delete q;
q=0;

if(q==0){
	Print("freed");
}

}


