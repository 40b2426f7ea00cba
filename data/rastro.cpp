#include "data/rastro.h"

Q_LOGGING_CATEGORY(rastro, "kt9400.rastro", QtInfoMsg)
