#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
struct Pt{
	Long x;
	Double y;
};

Long grid[100];

Long low[5];

Long high[5];


Long Half (Long k);
Long IsOdd (Long k);
Void Show (Long flag,String text);
Long Main ();
extern "C"{
int __stdcall WinMain (long hThisInstance,long hPrevInstance,char* lpszArgument,int nFunsterStil)
{
	//SetUpDllCalls();
	InitGui(hThisInstance);

}
};
Long Half (Long k){
return k/2;
}


Long IsOdd (Long k){
return k%2==1;
}


Void Show (Long flag,String text){
Print(text + ": " + (String)flag);
}


Long Main (){
Long i{};
Long j{};
Long n{};
Long m{};
Long ok{};

Integer count{};

Double d{};

String s{};

Pt p{};

for (i=1;i<=Len(s);i=i+1){
}//closing loop

for (i=n-1;i>=0;i=i-(1)){
}//closing loop

for (j=low[i];j<=high[i];j=j+(2)){
}//closing loop

for (j=p.x;(m)>=0?j<=Half(n)+1:j>=Half(n)+1;j=j+(m)){
}//closing loop

grid[i*10+j]=grid[grid[i]+1]-grid[Half(j)];
Print(Str(grid[i+1]));
if(grid[i%10]==grid[count+1]){
	n=0;
}
n=i%7+j/2;
Show(n % 3,"rest");
while(!(ok) && n<10){
	n=n+1;
}
ok=!(ok);
ok=(i>2) && (j<=3) || !(n==4);
ok=d>=0.5;
Show(n != m,"differ");
Show(!(ok),"not ok " + (String)(n % 10));
Print(Str(s == "yes"));
if(s+(String)(n)=="yes1" || n&4){
	n=0;
}
s=s + "!" + (String)n;
s="a" + (String)"b";
Print("n = " + (String)n + ", half " + (String)(Half(n)));
n=n &  0xFF;
Print((String)(n + m));
Print((String)( - d));
Print("Total: " + (String)n);
d=(Double)p.x/2;
d=(Double)Half(n)/2;
d=(Double)count/2;
s=(String)Half(n);
}


