#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Long i;

Long total;


Void Describe (Long n);
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void Describe (Long n){
switch(n)
{

break;
case 1:{

	Print("one");
}
break;
case 2:{

	Print("two");
}
break;
case -1:{

	Print("minus one");
}
break;
default:{

	Print("many");
}
break;
}

}


Void Main (){
for (i=1;i<=3;i=i+1){
	Describe(i);
}//closing loop

Describe( - 1);
total=0;
for (i=10;i>=1;i=i-(3)){
	total=total+i;
}//closing loop

Print("down by three: " + Str(total));
i=1;
while(i<100){
	i=i*2;
}
Print("first power of two past 100: " + Str(i));
if((i>100) && (i<=128)){
	Print("in range");
}
else
{

	Print("out of range");
}

}


