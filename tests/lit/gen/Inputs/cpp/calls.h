/* The functions the C-call tests call: check_level throws its argument when it is negative. */
int counter;
inline int check_level(int level) { if (level < 0) throw level; counter = level; return level; }
inline void reset_device(void) {}
