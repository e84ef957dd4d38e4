/* _Pragma as real headers write it: in macro bodies, with # making the string. */
#define DIAG_PUSH _Pragma("GCC diagnostic push")
#define DO_PRAGMA(x) _Pragma(#x)
int a; DIAG_PUSH int b;
DO_PRAGMA(message("a \\ b")) int c;
_Pragma("quelt sizeof(long) = 8")
_Pragma("quelt bogus")
#pragma quelt pragma mine = int aliased;
#define M x _Pragma("mine") y
M z;
_Pragma("once")
_Pragma(oops) after_bad;
