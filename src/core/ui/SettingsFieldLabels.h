#pragma once
// The names a person reads for the fields of a settings difference: "gearRatios[2]" is shown as
// "Передаточное число 3", "userData[1].dataMask" as "Данные 2 · Маска". A field without a name of its
// own keeps its technical one.

#include <QString>

QString settingsFieldLabel(const QString &field);
