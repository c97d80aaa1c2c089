#include "shell/user_prefs.h"

structUserPrefs UserPrefs;
