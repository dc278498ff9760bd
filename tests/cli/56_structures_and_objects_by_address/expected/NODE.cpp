#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "Node.h"


const long LIMIT=3;
#define MASK 0xFF



Void Node ::  Adopt (Node *child){

if(mCount<LIMIT){
	mKids[mCount]=child;
	mCount=mCount+1;
	child->SetParent((Node*)this);
}

}

Void Node ::  SetParent (Node *p){

mParent=p;
}

Long Node ::  Len (){

return mCount;
}

Long Node ::  Describe (String s){

return ::Len(s)+MASK;
}


