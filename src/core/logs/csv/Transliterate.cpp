#include "logs/csv/Transliterate.h"

namespace {

struct Letter
{
    char16_t from;
    const char *to;
};

// Upper case; the lower-case letters map to the same strings in lower case.
constexpr Letter kUpper[] = {
    {u'Ё', "YO"}, {u'А', "A"},  {u'Б', "B"},   {u'В', "V"},   {u'Г', "G"}, {u'Д', "D"}, {u'Е', "E"},
    {u'Ж', "ZH"}, {u'З', "Z"},  {u'И', "I"},   {u'Й', "Y"},   {u'К', "K"}, {u'Л', "L"}, {u'М', "M"},
    {u'Н', "N"},  {u'О', "O"},  {u'П', "P"},   {u'Р', "R"},   {u'С', "S"}, {u'Т', "T"}, {u'У', "U"},
    {u'Ф', "F"},  {u'Х', "H"},  {u'Ц', "C"},   {u'Ч', "CH"},  {u'Ш', "SH"}, {u'Щ', "SHH"}, {u'Ъ', "'"},
    {u'Ы', "I"},  {u'Ь', "'"},  {u'Э', "E"},   {u'Ю', "JU"},  {u'Я', "JA"},
};

const char *lookup(char16_t c, bool &lower)
{
    lower = false;
    if (c == u'ë') { // the Latin letter too, as people type it for ё
        lower = true;
        return "YO";
    }
    char16_t upper = c;
    if (c >= u'а' && c <= u'я') {
        upper = char16_t(c - (u'а' - u'А'));
        lower = true;
    } else if (c == u'ё') {
        upper = u'Ё';
        lower = true;
    }
    for (const Letter &l : kUpper)
        if (l.from == upper)
            return l.to;
    return nullptr;
}

} // namespace

QString transliterate(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (QChar ch : text) {
        bool lower = false;
        if (const char *to = lookup(ch.unicode(), lower)) {
            const QString s = QString::fromLatin1(to);
            out += lower ? s.toLower() : s;
        } else {
            out += ch;
        }
    }
    return out;
}

QString csvSafeName(const QString &text)
{
    QString s = transliterate(text);
    s.replace(QLatin1Char(','), QLatin1Char(' '));
    return s;
}
