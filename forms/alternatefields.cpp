#include "forms/alternatefields.h"
