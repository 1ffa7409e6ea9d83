#include "shell/log.h"

Q_LOGGING_CATEGORY(lcShell, "taudrin.shell")
