import QtQuick
import QtQuick.Dialogs
import QtCore
import ARDIX 1.0
import "../utils/WindowFunctions.js" as WindowFunctions

// The settings file dialog of the desktop: opens in the folder last used for that kind of file and
// remembers the folder. Created on first use, so that the dialogs module costs nothing at start-up.
FileDialog {
    id: fileDialog
    property var window: null
    property var kernel: null
    property int devId: 0
    property int fileType: 0
    property bool isImport: true
    property string folderKey: ""

    function openFor(devId_, fileType_, isImport_, name) {
        devId = devId_
        fileType = fileType_
        isImport = isImport_
        const kind = WindowFunctions.fileKind(fileType_, devId_ === ArdixEnums.Device_Pmx)
        folderKey = kind.folderKey
        nameFilters = [kind.filter]
        // A first use starts in the user's documents.
        const remembered = AppSettings[folderKey]
        const folder = remembered.length > 0 ? remembered
                                             : StandardPaths.writableLocation(StandardPaths.DocumentsLocation).toString()
        currentFolder = folder
        fileMode = isImport ? FileDialog.OpenFile : FileDialog.SaveFile
        title = isImport ? qsTr("Выберите файл") : qsTr("Укажите куда сохранить файл")
        if (!isImport)
            selectedFile = folder + "/" + name
        open()
    }
    function rememberFolder() {
        if (folderKey.length > 0)
            AppSettings[folderKey] = currentFolder.toString()
    }
    onAccepted: {
        rememberFolder()
        if (isImport)
            window.createObjectFrom("dialogs/SettingsFilePreviewDialog.qml", { kernel: kernel, window: window,
                                   fileUrl: selectedFile.toString(), deviceId: devId, fileType: fileType })
        else
            kernel.exportFile(selectedFile.toString(), devId, fileType)
    }
    onRejected: rememberFolder()
}
