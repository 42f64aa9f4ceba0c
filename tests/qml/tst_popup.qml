import QtQuick
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/myComponents"

Item {
    id: top
    width: 900
    height: 560

    Component {
        id: popupComponent
        PopUpMessage {}
    }

    TestCase {
        name: "PopUpMessage"
        when: windowShown

        function open() {
            AppStyle.appWindowWidth = top.width
            const popup = createTemporaryObject(popupComponent, top, { stayDuration: 400 })
            verify(popup)
            return popup
        }

        function test_dropsStaysAndRises() {
            const popup = open()
            verify(!popup.visible)
            compare(findChild(popup, "popUpText").text, "НЕТ СВЯЗИ C\nУСТРОЙСТВОМ")
            compare(popup.width, top.width * 0.3)
            compare(popup.height, popup.width / 6)
            compare(popup.x + popup.width <= top.width, true)
            compare(popup.x, (top.width - popup.width) / 2)
            popup.show("Подключен")
            verify(popup.visible)
            compare(findChild(popup, "popUpText").text, "ПОДКЛЮЧЕН")
            tryCompare(popup, "y", popup.shownY, 1500)
            tryCompare(popup, "visible", false, 3000)
            verify(popup.y >= top.height)
        }

        // A second notice keeps the box down for a full stay of its own, whatever phase it came in.
        function test_newTextRestarts_data() {
            return [
                { tag: "while down", delay: 1000 },
                { tag: "while rising", delay: 800 + 400 + 300 }
            ]
        }
        function test_newTextRestarts(data) {
            const popup = open()
            popup.show("первое")
            wait(data.delay)
            popup.show("второе")
            compare(findChild(popup, "popUpText").text, "ВТОРОЕ")
            verify(popup.visible)
            tryCompare(popup, "y", popup.shownY, 1500)
            wait(250)
            // The elastic drop-in may still be settling by a fraction of a pixel.
            fuzzyCompare(popup.y, popup.shownY, 1)
            verify(popup.visible)
            tryCompare(popup, "visible", false, 3000)
        }
    }
}
