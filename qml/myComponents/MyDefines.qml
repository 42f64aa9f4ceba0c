pragma Singleton
import QtQuick

QtObject {
    readonly property int max_PDM_FUNCTIONS_COUNT: 200
    readonly property int max_DASH_FUNCTIONS_COUNT: 60
}
