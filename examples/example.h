/* The interface the example script tests. */
#ifndef EXAMPLE_H
#define EXAMPLE_H
int example_status(void);
#endif
