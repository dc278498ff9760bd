#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
const long LIMIT=100;
const String YES="yes";
#define MASK 0x1F
Long n;

Long low;

Double d;

String answer;

Boolean flag;


Void Whole ();
Void Texts ();
Void Fractions ();
Void Loops ();
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void Whole (){
switch(n)
{

break;
case 1:{

	n=10;
}
break;
case -1:{

}
break;
case LIMIT:{

}
break;
case MASK:{

}
break;
default:{

	n=0;
}
break;
}


if(n==1||n==3||n==5){

	Long k{};

	k=n;
}
else if((n>=6&&n<=9)||n==LIMIT){

	Long k{};

	k=-n;
}
else if(n>=200||n<-5||n!=low){

	n=1;
}
else if((n>=low&&n<=LIMIT)){

	switch(flag)
{

	break;
	case 0:{

	}
	break;
	case 1:{

		flag=0;
	}
	break;
}

}
else{

	n=0;
}


if(n==1){

}
else if(n==2){

}
else if(n==1){

}

}


Void Texts (){

if(answer=="yes"||answer==YES||answer=="y"){

	answer="agreed";
}
else if((answer>="a"&&answer<="m")||answer>"x"){

	switch(n)
{

	break;
	case 3:{

		n=4;
	}
	break;
}

}
else if(answer==""){

}
else{

	answer="";
}


{

	answer="always";
}



}


Void Fractions (){

if((d>=-0.5&&d<=0.5)){

	d=0;
}
else if(d==1||d>2.25||d==n){

	d=d/2;
}

}


Void Loops (){
for (n=1;n<=9;n=n+1){

	if(n>4){

		break;
	}

	switch(n)
{

	break;
	case 3:{

		goto exitLoop1;
	}
	break;
}

}//closing loop
exitLoop1:;

}


Void Main (){
Whole();
Texts();
Fractions();
Loops();
}


