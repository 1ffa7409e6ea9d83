#include "pictures/log.h"

Q_LOGGING_CATEGORY(lcPictures, "taudrin.pictures")
