#define F(a, ...) a ## __VA_ARGS__ #a
#define G(x) F(x, x y)
#if defined F && (1 ? 2 : 3) / 1 << 2
G(1) G() F(,)
#elif #machine(F)
#else
#endif
#pragma quelt pragma "p" = int x;
#pragma p
#pragma quelt stop_analyse
#line 10 "x"
__LINE__ __FILE__
