#define TWICE 1
#define TWICE 2
#warning look here
int w;
