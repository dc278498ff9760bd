#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "EVENTS.h";
#include "GUI.h";
#include "BUTTON.h";
typedef void(*voidonTick)(Long);
voidonTick onTick{};
;


typedef void(*voidlater)(Long);
extern voidlater later;
Void Clicked (Long c);
Double Twice (Double x);
Void Hello ();
Void SetHandler (void(*handler)(Long));
Void Relay (void(*f)(Long),Long k);
Double Apply (Double(*f)(Double),Double v);
Void RunIt (void(*g)());
Void Main ();
Void Tock (Long n);
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void Clicked (Long c){
Print("clicked " + Str(c));
}


Double Twice (Double x){
return x*2;
}


Void Hello (){
Print("hello");
}


Void SetHandler (void(*handler)(Long)){
typedef void(*voidh)(Long);
voidh h{};
;

handler(5);
handler(6);
h=(voidh)handler;
Relay(static_cast<void(*)(Long)>(handler),7);
Relay(static_cast<void(*)(Long)>(h),8);
}


Void Relay (void(*f)(Long),Long k){
if(k>0){
	f(k);
}
}


Double Apply (Double(*f)(Double),Double v){
return f(v);
}


Void RunIt (void(*g)()){
g();
}


Void Main (){
Button *b{};

SetHandler(static_cast<void(*)(Long)>(Clicked));
SetHandler(static_cast<void(*)(Long)>(Clicked));
Relay(0,0);
Print(Str(Apply(static_cast<Double(*)(Double)>(Twice),21)));
RunIt(static_cast<void(*)()>(Hello));
onTick=(voidonTick)Clicked;
later=(voidlater)onTick;
Tock(3);
Notify(static_cast<void(*)(Long)>(Clicked));
Register(static_cast<void(*)(Long)>(Clicked));
b=new Button;
b->OnPress(static_cast<void(*)(Long)>(Button::Beep));
b->Press();
}


Void Tock (Long n){
later(n);
}


typedef void(*voidlater)(Long);
voidlater later{};
;


