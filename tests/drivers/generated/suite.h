/* suite.h - the C functions and variables that the scripts of the generated-driver suite call.
 * qmkprepro checks the scripts against this header; the drivers include it and are linked with
 * suite.cc, which defines everything here and prints a "UT ..." line for each call, so that the
 * calls show in the run's flow between the runtime's "RT ..." lines. */
#ifndef QMK_DRIVERS_SUITE_H
#define QMK_DRIVERS_SUITE_H

/* An exception type of the code under test (thrown by probe, caught by typed CATCH handlers). */
typedef struct {
  int code;
} fault_t;

/* Results that scripts store with "@ , level" and "@ , total". */
extern int level;
extern long total;

/* A text an inter-tester receive stores ("INTERRECV (inbox, 16)"). */
extern char inbox[16];

/* Returns its value. When the value is listed in SUITE_THROW (numbers, comma-separated) it throws
 * instead: the int value below 100, a fault_t with that code from 100 to 199, a text above. */
int probe(int value);

/* Prints "UT note <step>". */
void note(int step);

/* Prints its arguments and returns a + b. */
long add_up(long a, int b, char tag, const char *label);

/* Prints "UT reset" (a call without arguments). */
void reset_device(void);

/* Stores 7 through its pointer (a REF argument) and returns 0. */
int read_level(int *out);

/* Returns the device's name, "dev0". */
const char *device_name(void);

#endif
