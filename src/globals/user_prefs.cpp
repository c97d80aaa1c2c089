#include "globals/user_prefs.h"

structUserPrefs UserPrefs;
