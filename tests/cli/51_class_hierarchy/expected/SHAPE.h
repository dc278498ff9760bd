#ifndef _Shape_
#define _Shape_
#include "qztypes.h"
#include <string>
using namespace std;
class Shape{
public:

	virtual Long Area()=0;
	virtual String Name();
	virtual  ~Shape();
protected:

private:

};

#endif

