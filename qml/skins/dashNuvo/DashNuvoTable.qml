import QtQuick

SkinPage {
    id: page
}
