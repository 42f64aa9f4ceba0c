#include "settings/persistence/RecordFields.h"

#include "settings/layout/LittleEndian.h"
#include "settings/layout/TextField.h"

#include <cmath>
#include <cstring>

namespace persistence {

using layout::Kind;
using layout::readLE;
using layout::writeLE;

const layout::Field *RecordFields::find(const char *name) const
{
    for (const layout::Field &f : m_table) {
        if (f.name && std::strcmp(f.name, name) == 0)
            return &f;
    }
    return nullptr;
}

int RecordFields::offsetOf(const char *name) const
{
    const layout::Field *f = find(name);
    return f ? f->offset : -1;
}

void RecordFields::writeElement(const layout::Field &f, int index, double value)
{
    unsigned char *p = m_record + f.offset + index * f.elementSize();
    switch (f.kind) {
    case Kind::U8: *p = uint8_t(std::lround(value)); break;
    case Kind::I8: *p = uint8_t(int8_t(std::lround(value))); break;
    case Kind::U16: writeLE<uint16_t>(p, uint16_t(std::lround(value))); break;
    case Kind::I16: writeLE<int16_t>(p, int16_t(std::lround(value))); break;
    case Kind::U32: writeLE<uint32_t>(p, uint32_t(std::llround(value))); break;
    case Kind::I32: writeLE<int32_t>(p, int32_t(std::lround(value))); break;
    case Kind::F32: writeLE<float>(p, float(value)); break;
    default: break;
    }
}

bool RecordFields::set(const char *name, std::initializer_list<double> values, int first)
{
    const layout::Field *f = find(name);
    if (!f || !layout::isNumber(f->kind) || first < 0 || first + int(values.size()) > f->count())
        return false;
    int i = first;
    for (double v : values)
        writeElement(*f, i++, v);
    return true;
}

bool RecordFields::fill(const char *name, double value)
{
    const layout::Field *f = find(name);
    if (!f || !layout::isNumber(f->kind))
        return false;
    for (int i = 0; i < f->count(); ++i)
        writeElement(*f, i, value);
    return true;
}

bool RecordFields::setText(const char *name, const QString &text)
{
    const layout::Field *f = find(name);
    if (!f || f->kind != Kind::Text || f->count() != 1)
        return false;
    layout::packText(m_record + f->offset, f->size, text);
    return true;
}

double RecordFields::get(const char *name, int index) const
{
    const layout::Field *f = find(name);
    if (!f || !layout::isNumber(f->kind) || index < 0 || index >= f->count())
        return 0;
    const unsigned char *p = m_record + f->offset + index * f->elementSize();
    switch (f->kind) {
    case Kind::U8: return *p;
    case Kind::I8: return int8_t(*p);
    case Kind::U16: return readLE<uint16_t>(p);
    case Kind::I16: return readLE<int16_t>(p);
    case Kind::U32: return readLE<uint32_t>(p);
    case Kind::I32: return readLE<int32_t>(p);
    case Kind::F32: return readLE<float>(p);
    default: return 0;
    }
}

} // namespace persistence
