#include "link/LinkLog.h"

Q_LOGGING_CATEGORY(lcLink, "ardix.link", QtWarningMsg)
