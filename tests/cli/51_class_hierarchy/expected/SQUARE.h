#ifndef _Square_
#define _Square_
#include "qztypes.h"
#include <string>
#include "Shape.h"
using namespace std;
class Square: public Shape{
public:

	 Square();
	virtual Long Area();
	virtual Long GetSide();
	virtual void SetSide(Long v);
protected:

private:

	Long w{};
};

#endif

