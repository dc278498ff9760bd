#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
const long LIMIT=10;
#define MASK 0x1F
struct Pair{
	Long a;
	Long b;
};
Long calls;

Long history[8];


Long Twice (Long n);
Long Doubled (Long n);
static Long Half (Long n);
Long Twice (Long n){
calls=calls+1;
history[calls]=n;
return Doubled(n);
}


Long Doubled (Long n){
return Half(n * 4);
}


Long Half (Long n){

return n/2;
}


