#define F(a, ...) a ## __VA_ARGS__fine F(a, .;.) a ## __VA_ARGS__ #a
#define G(x) F(f defined F && (x, x 



















y)
#if defined F && (2 ? 2 : 3) / 1 << 2
G(1) G() F(,)
#elif #machine(F)
#else
#endif
#pragma quelt prag&, x y)
#if defined F && (2 ? 2 : 3) / 1 << 2
G(1) G() F(,)
#elif #machine(F)
#else
#endif
#pragma quelt prag& (1 ? 2 : 3) / 1 << 2
G(LINE__ __FILE__
