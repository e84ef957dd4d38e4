/* The interface the driver tests' scripts are checked against. */
int device_ready(void);
