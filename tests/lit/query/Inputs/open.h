#include "sizes.h"
#if SIZE_OK && FROM_DEFS && FROM_CMD
int sized;
#else
#error the include directory, the definitions file or the definition is missing
