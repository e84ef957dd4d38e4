/* A small interface file: macros, conditionals, an include through -I. */
#include "sub/part.h"
#include <chain.h>
#define SQUARE(x) ((x) * (x))
#define NAME(p, s) p ## _ ## s
#if defined(FROM_CMD) && FROM_CMD > 1 && defined(__STDC__) && __STDC__ == 0
int NAME(msg, size) = SQUARE(FROM_CMD);
#else
int wrong;
#endif
#pragma quelt sizeof(long) = 8
#ifdef __STDC__
int stdc_defined;
#endif
