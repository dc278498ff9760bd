#ifndef _Bb_
#define _Bb_
#include "qztypes.h"
#include <string>
using namespace std;
class Bb: public Aa{
public:

	virtual Long Fb()=0;
	virtual ~Bb(){}
	Long vb{};
protected:

private:

};

#endif

