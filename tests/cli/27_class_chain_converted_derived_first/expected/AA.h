#ifndef _Aa_
#define _Aa_
#include "qztypes.h"
#include <string>
using namespace std;
class Aa{
public:

	virtual Long Fa(Long &n);
	virtual ~Aa(){}
protected:

	Long va{};
private:

	Byte buf[8]{};
};

#endif

