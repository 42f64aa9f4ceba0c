pragma Singleton
import QtQuick

QtObject {
    readonly property int max_PDM_FUNCTIONS_COUNT: 200
    readonly property int max_DASH_FUNCTIONS_COUNT: 60

    // The link states of the kernel's ardixStatus. QML cannot read enumeration keys that start with a
    // lower-case letter, so the interface compares with these.
    readonly property int ardixOffline: 0
    readonly property int ardixOnline: 1
    readonly property int ardixBootOnline: 2
    readonly property int ardixReflash: 4
}
