#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Long n;

Long i;


Void Crossed ();
Void OpenAtEnd ();
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void Crossed (){
while(n<3){
	if(n==1){
		n=n+1;
}
}
}


Void OpenAtEnd (){
for (i=1;i<=3;i=i+1){
	switch(i)
{

	break;
	case 1:{

		n=0;
}
break;
}
}//closing loop
}


Void Main (){
Crossed();
OpenAtEnd();
if(n==0){
	n=1;
}
else
{

	while(n>0){
		n=n-1;

}
}
}
