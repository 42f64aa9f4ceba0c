#pragma once
// Static name lists the settings dialogs read through the kernel.

#include <QStringList>
#include <QVariantList>

namespace ArdixCatalogue {

constexpr int UnitsCount = 9;
constexpr int InputSourceTitleCount = 11; // InputSourceDigital_IO_Expander has no title
constexpr int EcuProtocolCount = 22;
constexpr const char *SkinImageBase = "qrc:/ARDIX/images/skins/dash_nuvo/";

// Kernel `units`: nine display units of the language.
QStringList unitsList(bool isRu);
QString unitsText(int index, bool isRu); // empty out of range

// Kernel `analogGroupsNames`: index = AnalogGroups value.
QStringList analogGroupsNames();

// Titles of InputSources values; dataSourceName indexes them.
QStringList inputSourceTitles();
QString inputSourceTitle(int source); // empty without a title

// Kernel `lampsInfo`: maps {"lampIndex", "icon", "lampName"}; no entry for Lamp_Nitro.
QVariantList lampsInfo();

// ECU protocols: display name and whether the PDM can use it, index = EcuProtocols value.
struct EcuProtocolInfo
{
    const char *name;
    bool is4PDM;
};
const EcuProtocolInfo *ecuProtocolInfo(int protocol); // nullptr out of range
// Kernel `ecuList_Ardix` (all 22) and `ecuList_PDM` (PDM-capable only): maps {"idd", "name", "is4PDM"}.
QVariantList ecuListArdix();
QVariantList ecuListPdm();

} // namespace ArdixCatalogue
