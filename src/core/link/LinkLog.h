#pragma once
#include <QLoggingCategory>

// "ardix.link": quiet unless enabled (QT_LOGGING_RULES="ardix.link.info=true").
Q_DECLARE_LOGGING_CATEGORY(lcLink)
