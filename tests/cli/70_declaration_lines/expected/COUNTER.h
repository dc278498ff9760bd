#ifndef _Counter_
#define _Counter_
#include "qztypes.h"
#include <string>
using namespace std;
class Counter{
public:

	virtual Void Print();
	virtual Void Show();
	String name="counter";
	inline static Long made=5;
protected:

	Double ratio=0.5;
	Counter *nextOne=0;
private:

	Long count{};
	Long stride{};
	Long start=100;
};

#endif

