#ifndef _Cc_
#define _Cc_
#include "qztypes.h"
#include <string>
using namespace std;
class Cc: public Bb{
public:

	virtual Long Size();
protected:

private:

};

#endif

