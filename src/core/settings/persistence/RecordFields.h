#pragma once
// Reads and writes fields of one record by their name in the record's layout table, so that
// defaults and load-time corrections use the same offsets as the object tree.

#include "settings/layout/FieldLayout.h"

#include <QString>
#include <initializer_list>

namespace persistence {

class RecordFields
{
public:
    RecordFields(layout::Table table, unsigned char *record) : m_table(table), m_record(record) {}

    // Writes values to consecutive elements of a numeric field from element `first` on (arrays are
    // flattened outermost first). False when the field is unknown or the values do not fit.
    bool set(const char *name, std::initializer_list<double> values, int first = 0);
    bool fill(const char *name, double value); // every element
    bool setText(const char *name, const QString &text);
    // Element `index` of a numeric field; 0 for an unknown field.
    double get(const char *name, int index = 0) const;

    // Byte offset of a field within the record, -1 when unknown.
    int offsetOf(const char *name) const;

private:
    const layout::Field *find(const char *name) const;
    void writeElement(const layout::Field &f, int index, double value);

    layout::Table m_table;
    unsigned char *m_record;
};

} // namespace persistence
