#include <string>
#include "qztypes.h"
#include "quillkit.h"
using namespace std;
#include "Bb.h"




