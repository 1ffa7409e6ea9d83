#include "comicstrip/log.h"

Q_LOGGING_CATEGORY(lcComicStrip, "taudrin.comicstrip")
