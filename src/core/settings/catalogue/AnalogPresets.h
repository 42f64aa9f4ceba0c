#pragma once
// Names of the device's built-in analog calibrations. The curves stay in the firmware; a sensor
// picks one by `analogTableID`, the position of its name in the group's list.

#include <QList>
#include <QStringList>
#include <QVariantList>

namespace ArdixCatalogue {

constexpr int AnalogGroupCount = 12; // index = AnalogGroups value

QStringList analogPresetNames(int group); // empty for groups without presets or out of range
QList<QStringList> analogPresetLists();   // all twelve
QVariantList analogPresetListsVariant();  // the same as a list of string lists, for the interface

} // namespace ArdixCatalogue
