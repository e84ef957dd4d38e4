/* The interface of the statement driver test: a counter, a long, a text buffer and the name of
   the other tester. */
int counter = 1;
long big = 40;
char name[32];
const char *peer = "peer";
