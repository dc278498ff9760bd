#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
Long a;


		Integer b;

Long c[10];

Long *p;



