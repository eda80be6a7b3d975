// A model file that includes a control header: the model room's include path must not find it.
#include "control/OrvGraphImpl.h"
