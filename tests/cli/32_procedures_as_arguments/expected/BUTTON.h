#ifndef _Button_
#define _Button_
#include "qztypes.h"
#include <string>
using namespace std;
class Button{
public:

	static Void Beep(Long n);
	virtual Void OnPress(void(*f)(Long));
	virtual Void Press();
protected:

private:

	typedef void(*voidpressed)(Long);
	voidpressed pressed{};
};

#endif

