#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Long Sign (Long n);
String Grade (Long score);
Void Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Long Sign (Long n){
if(n>0){
		return 1;
	return {};
}
if(n<0){
		return -1;
}
else
{
		return 0;
}
}


String Grade (Long score){
String g{};

if(score>=90){
	g="A";
}
else if(score>=80){
	g="B";
}
else if((score>=70) && (score<80)){
	g="C";
}
else
{

	g="F";
}

return g;
}


Void Main (){
Long a{};

Long b{};

if(a==b){
	Print("same");
}
else
{
	Print("different");
}
if(a==0){
	if(b==0){
		a=1;
	}
	else
	{
		a=2;
	}
}
else
{
	a=3;
}
if(a>0){
	a=a-1;
	b=b+1;
}
else
{
	b=0;
}
if(b){
	b=0;
}

Print(Grade(85));
}


