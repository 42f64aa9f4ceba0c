#include "ui/InterfaceFont.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace {
constexpr const char *kFontResource = ":/ARDIX/fonts/RobotoCondensed-MediumItalic.ttf";
}

bool loadInterfaceFont()
{
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kFontResource));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty())
        return false;
    QFont font(families.first());
    font.setItalic(true);
    font.setWeight(QFont::Medium);
    QGuiApplication::setFont(font);
    return true;
}
