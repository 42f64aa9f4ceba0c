// The names a person reads in a settings difference: numbered as people count, nested parts joined,
// and every field of the dash and PDM blocks worded.
#include "settings/diff/BlockSchema.h"
#include "ui/SettingsFieldLabels.h"

#include <QTest>

class TestFieldLabels : public QObject
{
    Q_OBJECT
private slots:
    void labels_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("label");
        QTest::newRow("scalar") << "can1BaudId" << "Can 1 Скорость";
        QTest::newRow("array counts from one") << "gearRatios[2]" << "Передаточное число 3";
        QTest::newRow("two dimensions") << "fansSettings[1][2]" << "Выход 2.3";
        QTest::newRow("part of a record") << "userData[1].dataMask" << "Данные 2 · Маска";
        QTest::newRow("an unnamed part stays") << "skinsSettings[0].Mode_0_CellsCount"
                                               << "Настройки экрана 1 · Mode_0_CellsCount";
        QTest::newRow("unknown field stays") << "someFutureField[3]" << "someFutureField[3]";
    }
    void labels()
    {
        QFETCH(QString, field);
        QFETCH(QString, label);
        QCOMPARE(settingsFieldLabel(field), label);
    }

    // A field a difference can list is never shown by its technical name.
    void everyFieldOfTheBlocksIsWorded()
    {
        QStringList missing;
        auto check = [&](const QList<settingsDiff::RecordSpec> &records) {
            for (const settingsDiff::RecordSpec &spec : records)
                for (const settingsDiff::RecordPart &part : spec.parts)
                    for (const layout::Field &f : part.table) {
                        if (!f.writesProperty() || (spec.accept && !spec.accept(f)))
                            continue;
                        const QString name = QString::fromLatin1(f.name);
                        if (settingsFieldLabel(name) == name && !missing.contains(name))
                            missing << name;
                    }
        };
        check(settingsDiff::dashRecords(28876));
        check(settingsDiff::pdmRecords());
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1String(", "))));
    }
};

QTEST_GUILESS_MAIN(TestFieldLabels)
#include "tst_field_labels.moc"
