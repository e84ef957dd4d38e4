/* The interface of the statement tests' scripts. */
int counter;
long big;
char name[20];
const char *peer;
