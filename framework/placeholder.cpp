#include "framework/object.h"
