#include "ui/InterfaceFont.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QResource>
#include <QStringList>

namespace {
constexpr const char *kFontResource = ":/ARDIX/fonts/RobotoCondensed-MediumItalic.ttf";
}

bool loadInterfaceFont()
{
    // Handed over as the resource's own bytes: loading it by name copies the file into memory
    // twice (once for the font database, once more for the first font engine).
    const QResource resource(QString::fromLatin1(kFontResource));
    if (!resource.isValid())
        return false;
    const QByteArray data = resource.compressionAlgorithm() == QResource::NoCompression
        ? QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size())
        : resource.uncompressedData();
    const int id = QFontDatabase::addApplicationFontFromData(data);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty())
        return false;
    QFont font(families.first());
    font.setItalic(true);
    font.setWeight(QFont::Medium);
    QGuiApplication::setFont(font);
    return true;
}
