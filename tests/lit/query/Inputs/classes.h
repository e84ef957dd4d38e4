/* Classes for the C++ forms of qmkiface class: constructors, member pointers, this. */
class point { public: point(int x, int y); int x; int y; };
struct plain { int v; };
struct rec { double weight; } r, *rp;
double rec::*pw = 0;
int (*on_event)(int code);
