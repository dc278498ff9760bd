#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "COUNTER.h";
#include "PRESETS.h";
#include "VERSION.h";
Long a;
Long b;
Long c;

Long n=10;
String title="none";

Double x=-1.5;
Boolean ready=1;

Long cap=40;
Long lowest=-40;
Long bits=0x1F;

Long grid[4];
Long row[2];

Counter *p;
Counter *q;

Counter *spare=0;

static Long calls=1;
static Long rounds;

String label="5";


extern Long late;
Void Report (String what,Long k);
Void Beep ();
Long Twice (Long k);
Void Countdown (Long k);
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void Report (String what,Long k){
Print(what + ": " + Str(k));
}


Void Beep (){
Print("beep");
}


Long Twice (Long k){
return k*2;
}


Void Countdown (Long k){
if(k>0){
	Report("count",k);
	Countdown(k - 1);
}

}


Void Main (){
Long i{};
Long j{};

Long total=n*2+Len(title);
String s="n="+Str(n);

Counter *made=new Counter;
Double d=x;

typedef Long(*Longh)(Long);
Longh h{};
;

h=(Longh)Twice;
Beep();
Print(s);
Report("colon",1);
Print("parenthesised");
Report("total",total);
Countdown(2);
h(3);
made->Show();
Report("late",late);
}


Long late=7;


