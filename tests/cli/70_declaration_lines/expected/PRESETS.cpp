#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
const long LIMIT=40;
#define MASK 0x1F
Long level=3;

String names;
String tags;


