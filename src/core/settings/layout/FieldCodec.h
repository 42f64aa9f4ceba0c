#pragma once
// Loads a record into an object's properties and packs it back, driven by the record's table.
// Loading goes through each property's WRITE accessor (so the compare-before-assign setters and
// their signals run); packing reads the properties. A table's fields must outlive the program's
// use of them (namespace-scope arrays): the properties they name are resolved once per class and
// table, by the table's address.

#include "settings/layout/FieldLayout.h"

#include <QStringList>
#include <functional>

class QObject;

namespace layout {

// Decides per field whether it takes part (the record's load/pack conditions, by Field::tag).
using FieldFilter = std::function<bool(const Field &)>;

void loadRecord(QObject *obj, const Table &table, const unsigned char *record,
                const FieldFilter &accept = {});
void packRecord(const QObject *obj, const Table &table, unsigned char *record,
                const FieldFilter &accept = {});

// Every named field must be a readable, writable property whose type the codec can fill; returns
// one line per problem (empty when the object matches its table).
QStringList bindingProblems(const QObject *obj, const Table &table);

} // namespace layout
