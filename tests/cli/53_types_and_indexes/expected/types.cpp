#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
const long MAXP=3;
struct Point{
	Long x;
	Long y;
};
struct Rect{
	Point tl;
	Point br;
	Long tags[MAXP];
};
Rect r;

Point pts[3];

Long i;


Long Width (Rect *q);
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Long Width (Rect *q){
return q->br.x-q->tl.x;
}


Void Main (){
r.tl.x=2;
r.tl.y=3;
r.br.x=12;
r.br.y=8;
r.tags[1]=7;
Print("width " + Str(Width(&r)));
Print("height " + Str(r.br.y - r.tl.y));
Print("tag " + Str(r.tags[1]));
for (i=0;i<=2;i=i+1){
	pts[i].x=i*10;
}//closing loop

Print("last x " + Str(pts[2].x));
Print("size of Rect " + Str(sizeof(r)));
}


