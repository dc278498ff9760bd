#ifndef _Shape_
#define _Shape_
#include "qztypes.h"
#include <string>
using namespace std;
class Shape{
public:

	virtual Double Area()=0;
	 Shape();
	virtual ~Shape(){}
protected:

	Long n{};
private:

};

#endif

