#include "form_projections.h"

#include <QDir>
#include <QFrame>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <filesystem>

#include "settings_store.h"
#include "source_settings.h"
#include "test_sandbox.h"

namespace korv {

class FormProjectionsTest : public QObject {
    Q_OBJECT

private:
    static QString stored(const QString& key) {
        return SettingsStore(kSettingsApplication).get(kSettingsSection, key, kNoValue);
    }

    static void store(const QString& name, const QString& parameters1, const QString& parameters2) {
        SettingsStore settings(kSettingsApplication);
        settings.set(kSettingsSection, "Name", name);
        settings.set(kSettingsSection, "Parameters1", parameters1);
        settings.set(kSettingsSection, "Parameters2", parameters2);
        QVERIFY(settings.commit().ok());
    }

    static void close_with(Form_projections& form, const QString& how) {
        if (how == "Cancel") {
            QTest::mouseClick(form.findChild<QPushButton*>("Cancel"), Qt::LeftButton);
        } else {
            form.close();  // the window's close box
        }
    }

private slots:
    void startup_shows_the_titled_panel_with_cancel() {
        testing::Sandbox sandbox;
        Form_projections form;
        form.Form_Load();
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Define Source Datum Definitions"));
        auto* panel = form.findChild<QFrame*>("Frame_projection");
        QVERIFY(panel != nullptr && panel->isVisible());
        auto* cancel = form.findChild<QPushButton*>("Cancel");
        QVERIFY(cancel != nullptr && cancel->isVisible());
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        const int middle = cancel->mapTo(&form, cancel->rect().center()).x();
        QVERIFY(qAbs(middle - form.width() / 2) <= 2);
    }

    void first_start_then_close_writes_zeros_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("close box") << "close box";
    }
    void first_start_then_close_writes_zeros() {
        QFETCH(QString, how);
        testing::Sandbox sandbox;
        {
            Form_projections form;
            form.Form_Load();
            form.show();
            QCOMPARE(form.state().source_coord_system, CoordSystem{});
            close_with(form, how);
        }
        QCOMPARE(stored("Name"), QString());
        QCOMPARE(stored("Parameters1"), QStringLiteral(" 0; 0; 0; 0; 0; 0; 0"));
        QCOMPARE(stored("Parameters2"), QStringLiteral(" 0; 0; 0; 0; 0"));
    }

    void stored_values_come_back_and_are_written_again_unchanged() {
        testing::Sandbox sandbox;
        store("  Zone 55  ", " 12; 2; 2;-177; 0;-36.5;-37.123456789012",
              " 500000; 10000000; 0.9996; 6; 55");
        {
            Form_projections form;
            form.Form_Load();
            const CoordSystem& read = form.state().source_coord_system;
            QCOMPARE(read.name, std::string("  Zone 55  "));
            QCOMPARE(read.spheroid, 12);
            QCOMPARE(read.standard_parallel_2, -37.123456789012);
            QCOMPARE(read.zone_number, 55);
            form.close();
        }
        QCOMPARE(stored("Name"), QStringLiteral("Zone 55"));
        QCOMPARE(stored("Parameters1"), QStringLiteral(" 12; 2; 2;-177; 0;-36.5;-37.123456789012"));
        QCOMPARE(stored("Parameters2"), QStringLiteral(" 500000; 10000000; 0.9996; 6; 55"));
    }

    void garbage_settings_never_stop_startup() {
        testing::Sandbox sandbox;
        store("x", "garbage;;;;", "1e999;2.5;nan;;99999999999");
        Form_projections form;
        form.Form_Load();
        QCOMPARE(form.windowTitle(), QStringLiteral("Define Source Datum Definitions"));
        QCOMPARE(form.state().source_coord_system.false_east, 0.0);
        QCOMPARE(form.state().source_coord_system.false_north, 2.5);
        QCOMPARE(form.state().source_coord_system.zone_number, 0);
    }

    void a_damaged_settings_file_never_stops_startup() {
        testing::Sandbox sandbox;
        QDir().mkpath(QFileInfo(sandbox.settings_file()).path());
        QFile file(sandbox.settings_file());
        QVERIFY(file.open(QIODevice::WriteOnly));
        const char damaged[] = "\0\xff[Projection\nName=\"unterminated\n\x01\x02";
        file.write(damaged, sizeof damaged - 1);
        file.close();
        Form_projections form;
        form.Form_Load();
        QCOMPARE(form.windowTitle(), QStringLiteral("Define Source Datum Definitions"));
    }

    void a_failed_settings_write_is_reported() {
        testing::Sandbox sandbox;
        testing::MessageRecorder messages;
        std::filesystem::create_directories(sandbox.settings_file().toStdString());
        {
            Form_projections form;
            form.Form_Load();
            form.close();
        }
        QCOMPARE(messages.messages().size(), 1);
        QVERIFY(messages.messages().front().startsWith(
            "The source coordinate system could not be saved"));
    }
};

}  // namespace korv

QTEST_MAIN(korv::FormProjectionsTest)
#include "form_projections_test.moc"
