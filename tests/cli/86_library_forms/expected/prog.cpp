#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#define Eof 26
Long Timer;

Long counts;

String Replace (String s);
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
String Replace (String s){
return s+"!";
}

Void Main (){
Double d{};

Single f{};

Long n{};

Byte b{};

String s{};

n=InStr(s,"b")+InStr(2,s,"b");
s=Str(n)+Str(d)+Str(f)+Str((Long)b)+Str(counts)+Str((Double)n * 1.5)+Str(Sqr((Double)n));
d=Abs(d)+Abs((Double)n * 0.5);
n=Abs(n)%3;
d=n/2+Sqr(n % 3)+Abs(n / 2 * 1.5);
d=Rnd()*(Double)Rnd(6);
quillkit::Randomize();
quillkit::Randomize(7);
d=quillkit::Round(d,2)+(Double)quillkit::Round(d);
d=quillkit::CDbl("2.5")+quillkit::CDbl((Double)n);
n=quillkit::CLng(s)+quillkit::CLng(d);
s=Replace(s);
Timer=Eof+Timer+quillkit::CLng(quillkit::Timer());
n=quillkit::FileExists(s)+Len(quillkit::Hex(n));
}


