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
Long i{};

Long n{};

while(i<3){
	i=i+1;
}
while(!(i==0)){
	i=i-1;
}
do{
	n=n+2;
}while(n<10);
do{
	n=n-1;
}while(!(n==5));
do{
	n=n+1;
	if(n>8){
		break;
	}
}while(true);
for (i=1;i<=10;i=i+1){
	if(i==4){
		break;
	}

}//closing loop

for (i=1;i<=10;i=i+1){
	switch(i)
{

	break;
	case 3:{

		goto exitLoop1;
	}
	break;
}

	while(n>0){
		n=n-1;
		if(n==2){
			goto exitLoop1;
		}
	}
}//closing loop
exitLoop1:;

while(n<100){
	do{
		n=n*2;
		if(n>50){
			goto exitLoop2;
		}
	}while(true);
}
exitLoop2:;
}


