#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "CIRCLE.h";
#include "SHAPE.h";

