/* An interface header with one faulty declaration on line 4. */
int a;

int b c;
