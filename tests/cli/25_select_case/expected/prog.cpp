#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Long x;

Void f ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Void f (){
	switch(x)
{

	break;
	case 1:{

	}
	break;
	case -1:{

	}
	break;
	default:{

	}
	break;
}

}


