#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
const long MAXV=100;
const String Title="Hi";
#define BLUE 3
#define MASK 0xFF
#define LIMIT -5
struct Point{
	Long x;
	Char* name;
	Long* p;
	Byte buf[MAXV];
};
struct Size{
	Long w;
};

const long Two=2;

extern "C"{ 
 __declspec(dllimport) 
Long __stdcall 
MessageBeep(Long t,char* s,Long &r,Long a);
};

#define Beep MessageBeep

