#pragma once
#include <QByteArray>
#include <QString>

// Where a logic function is used in a stored PDM block, as the text the interface shows before a
// function is deleted; empty when it is used nowhere.
QString pdmFuncUsageInfo(const QByteArray &pdmBlock, uint funcId);
