#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "NODE.h";
#include "LEAF.h";
struct Rect{
	Long left;
	Long right;
};
extern "C"{ 
 __declspec(dllimport) 
Long __stdcall 
InvalidateRect(Long hwnd,Rect *r,Long erase);
};

Rect box;

String label;


Void Widen (Rect *r,Long by);
Long Keep (Rect r);
Long Handle (Rect *r);
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void Widen (Rect *r,Long by){
r->right=r->right+by;
}


Long Keep (Rect r){
return r.right;
}


Long Handle (Rect *r){
return Keep(*r);
}


Void Main (){
Node *n{};

Node **kids{};

n=new Node;
kids=new Node*[2];
kids[0]=new Node;
n->Adopt(kids[0]);
Widen(&box,3);
InvalidateRect(0,0,1);
InvalidateRect(0,&box,1);
}


