#define SIZE_OK 1
