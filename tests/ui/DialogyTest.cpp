#include "Pomocnik.h"
#include "ui/ObElFrm.h"
