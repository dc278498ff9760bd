#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
struct Point{
	Long x;
	Long y;
};
Long count;

Double d;

String s;

Point pt;

Point pts[4];


Long Add (Long a,Long b);
Void Bump (Long &n);
Void Show (String text);
Void Move (Point *p,Long dx);
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


Void Bump (Long &n){
n=n+1;
}


Void Show (String text){
Print(text);
}


Void Move (Point *p,Long dx){
p->x=p->x+dx;
}


Void Main (){
count=Add(2,3);
Bump(count);
Show((String)count);
Show("5");
d=(Double)Add((count + 1) * 2,count | 1);
Move(&pt,3);
Move(&pts[1],4);
s=Str(sizeof(pt))+" "+Str(sizeof(d));
Show(s);
Show(Str(pt.x) + "," + Str(pts[1].x));
}


