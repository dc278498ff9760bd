#ifndef _Circle_
#define _Circle_
#include "qztypes.h"
#include <string>
using namespace std;
class Circle: public Shape{
public:

	virtual Double Area();
protected:

private:

	Long r{};
};

#endif

