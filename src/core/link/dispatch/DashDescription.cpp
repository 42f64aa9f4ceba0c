#include "link/dispatch/DashDescription.h"

#include <QtGlobal>
#include <QStringList>
#include <QVariantList>

namespace {

constexpr unsigned kNewBoardVersion = 4;

QStringList texts(std::initializer_list<const char *> items)
{
    QStringList out;
    for (const char *s : items)
        out << QString::fromUtf8(s);
    return out;
}

QVariantMap build(const QStringList &analogPins, const QStringList &freqPins, const QStringList &di)
{
    const QStringList analogDescription =
        texts({QT_TRANSLATE_NOOP("DashDescription", "1 Вход 5В"), QT_TRANSLATE_NOOP("DashDescription", "2 Вход 5В"), QT_TRANSLATE_NOOP("DashDescription", "3 Вход 5В"), QT_TRANSLATE_NOOP("DashDescription", "4 Вход 5В"), QT_TRANSLATE_NOOP("DashDescription", "5 Вход 5В"), QT_TRANSLATE_NOOP("DashDescription", "6 Вход 5В"),
               QT_TRANSLATE_NOOP("DashDescription", "1 Вход(с подтяжкой)"), QT_TRANSLATE_NOOP("DashDescription", "2 Вход(с подтяжкой)"), QT_TRANSLATE_NOOP("DashDescription", "3 Вход(с подтяжкой)"),
               QT_TRANSLATE_NOOP("DashDescription", "4 Вход(с подтяжкой)"), QT_TRANSLATE_NOOP("DashDescription", "5 Вход(с подтяжкой)")});
    const QStringList freqDescription =
        texts({QT_TRANSLATE_NOOP("DashDescription", "1 Вход для датчиков Холла"), QT_TRANSLATE_NOOP("DashDescription", "2 Вход для индуктивных датчиков"),
               QT_TRANSLATE_NOOP("DashDescription", "3 Вход для индуктивных датчиков"), QT_TRANSLATE_NOOP("DashDescription", "4 Вход для датчиков Холла")});

    QVariantMap analog;
    analog.insert(QStringLiteral("description"), analogDescription);
    analog.insert(QStringLiteral("pin"), analogPins);
    QVariantMap freq;
    freq.insert(QStringLiteral("description"), freqDescription);
    freq.insert(QStringLiteral("pin"), freqPins);
    freq.insert(QStringLiteral("inputIndex"), QVariantList{0, 1, 2, 3});

    QVariantMap map;
    map.insert(QStringLiteral("analogInputs"), analog);
    map.insert(QStringLiteral("freqInputs"), freq);
    map.insert(QStringLiteral("DI"), di);
    return map;
}

} // namespace

QVariantMap dashDescription(unsigned boardVersion)
{
    static const QVariantMap newBoard =
        build(texts({"23", "22", "31", "21", "30", "29", "34", "33", "32", "25", "24"}),
              texts({"13", "16", "8", "5"}),
              texts({"13", "16", "8", "5", "28", "11", "3", "12", "4", "20"}));
    static const QVariantMap oldBoard =
        build(texts({"BR1 - 9 ", "BR1 - 10", "BR1 - 19", "BR1 - 20", "BR1 - 8 ", "BR1 - 7 ",
                     "BR1 - 18", "BR1 - 17", "BR1 - 16", "BR1 - 15", "BR1 - 14"}),
              texts({"G1 - 4", "G1 - 5", "G1 - 6", "G1 - 7"}),
              texts({"G1 - 4", "G1 - 5", "G1 - 6", "G1 - 7", "BR1 - 12", "BR1 - 11", "BR1 - 2",
                     "BR1 - 1", " -- ", " -- "}));
    return boardVersion >= kNewBoardVersion ? newBoard : oldBoard;
}
