#pragma once

#include <QLoggingCategory>

// The evaluation's and the file operations' trace: off unless asked for,
// QT_LOGGING_RULES="kt9400.rastro.debug=true".
Q_DECLARE_LOGGING_CATEGORY(rastro)
