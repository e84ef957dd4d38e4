int before;
int x y;
struct s { int a; int 3; int b; };
namespace n { int 1; int inner; }
template <class T, > class bad;
union u { int i; };
u::t through_union;
int after;
