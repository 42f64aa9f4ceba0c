#include "logs/LogExportContext.h"

#include "settings/TheSensorConfig.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/pdm/PdmBlockView.h"

LogSensorInfo LogSensorInfo::fromSnapshot(const ArdixCatalogue::SensorSnapshot &s, const QString &shortNameEn)
{
    LogSensorInfo info;
    info.present = true;
    info.isFloat = s.isFloat;
    info.custom = s.custom;
    info.shortNameEn = shortNameEn;
    info.shortSensorName = s.shortName;
    info.ldName = s.ldName;
    info.ldShortName = s.ldShortName;
    info.ldUnits = s.ldUnits;
    info.ldChannelId = s.ldChannelId;
    return info;
}

LogExportContext LogExportContext::builtinCatalogue()
{
    using namespace ArdixCatalogue;
    LogExportContext ctx;
    for (int id = 0; id < 256; ++id) {
        const SensorInfo *row = sensorInfo(id);
        LogSensorInfo &s = ctx.sensors[size_t(id)];
        // The blank entries after the standard rows still exist as objects.
        s.present = row || (id >= StandardSensorCount && id < SensorsListLength);
        if (!row)
            continue;
        s.isFloat = (row->flags & FloatBit) != 0;
        s.shortNameEn = row->shortName(false);
        s.shortSensorName = s.shortNameEn;
        s.ldName = QString::fromUtf8(row->ldName ? row->ldName : "");
        s.ldShortName = QString::fromUtf8(row->ldShortName ? row->ldShortName : "");
        s.ldUnits = QString::fromUtf8(row->ldUnits ? row->ldUnits : "");
        s.ldChannelId = row->ldChannelId;
    }
    for (int i = 0; i < kPdmInputCount; ++i)
        ctx.pdmInputNames.append(QString());
    for (int i = 0; i < kPdmOutputCount; ++i)
        ctx.pdmOutputNames.append(QString());
    return ctx;
}

LogExportContext LogExportContext::capture(const std::function<const TheSensorConfig *(uint8_t id)> &getSensor,
                                           const QByteArray &pdmBlock, uint32_t dashSerialNum, float startPointLat,
                                           float startPointLon, float startPointCourse)
{
    LogExportContext ctx;
    for (int id = 0; id < 256; ++id) {
        if (const TheSensorConfig *s = getSensor(uint8_t(id)))
            ctx.sensors[size_t(id)] = LogSensorInfo::fromSnapshot(ArdixCatalogue::snapshotOf(*s), s->shortNameEn());
    }
    const PdmBlockView pdm(pdmBlock);
    for (int i = 0; i < kPdmInputCount; ++i)
        ctx.pdmInputNames.append(pdm.inputName(i));
    for (int i = 0; i < kPdmOutputCount; ++i)
        ctx.pdmOutputNames.append(pdm.outputName(i));
    ctx.dashSerialNum = dashSerialNum;
    ctx.startPointLat = startPointLat;
    ctx.startPointLon = startPointLon;
    ctx.startPointCourse = startPointCourse;
    return ctx;
}
