#include "does_not_exist.h"
