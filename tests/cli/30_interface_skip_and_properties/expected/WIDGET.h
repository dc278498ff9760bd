#ifndef _Widget_
#define _Widget_
#include "qztypes.h"
#include <string>
using namespace std;
class Widget{
public:

	virtual Long Show(Long &n);
protected:

private:

	Long items[4]{};
};

#endif

