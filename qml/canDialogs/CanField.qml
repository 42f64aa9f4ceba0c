import QtQuick
import ARDIX 1.0

// A caption and one editor, kept together when a card's editors wrap.
Row {
    property alias caption: captionText.text
    spacing: 8 * AppStyle.pixelScale
    CanCaption { id: captionText }
}
