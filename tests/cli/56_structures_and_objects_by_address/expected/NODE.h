#ifndef _Node_
#define _Node_
#include "qztypes.h"
#include <string>
using namespace std;
#define MASK 0xFF
class Node{
public:

	virtual Void Adopt(Node *child);
	virtual Void SetParent(Node *p);
	virtual Long Len();
	virtual Long Describe(String s);
	virtual ~Node(){}
	static constexpr long LIMIT=3;
protected:

private:

	Node *mKids[3]{};
	Node *mParent{};
	Long mCount{};
};

#endif

