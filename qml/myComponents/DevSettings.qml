pragma Singleton
import QtQuick

QtObject {
    property var pdm: null
    property var dash: null
}
