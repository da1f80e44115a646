// The dialog in the user's language: a translation built from a translator's file changes the
// captions of the dialog and of the control it places, and the messages it shows.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "form_projections.h"
#include "test_records.h"
#include "test_sandbox.h"
#include "translations.h"

namespace korv {

class TranslationTest : public QObject {
    Q_OBJECT

private slots:
    void german_captions_and_messages_show() {
        testing::Sandbox sandbox;
        testing::MessageRecorder messages;
        // The program looks in "translations" beside itself, here the sandbox.
        QVERIFY(QDir().mkpath(sandbox.folder() + "/translations"));
        for (const char* name : {"quarrow_de.qm", "korv_projection_de.qm", "korv_errors_de.qm"}) {
            QVERIFY(QFile::copy(QStringLiteral(KORV_TEST_TRANSLATIONS "/") + name,
                                sandbox.folder() + "/translations/" + name));
        }
        QVERIFY(testing::store_mga_zone55());  // a definition the test panel can convert with
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(install_translation(QStringLiteral("quarrow")));

        Form_projections form;
        form.Form_Load();
        form.show();
        auto* test_transform = form.findChild<QPushButton*>("Command_done1");
        QVERIFY(test_transform != nullptr);
        QCOMPARE(test_transform->text(), QStringLiteral("Transformation testen"));
        // The control the dialog places loads its own library's translation.
        auto* projections = form.findChild<QComboBox*>("Combo_projection");
        QVERIFY(projections != nullptr);
        QCOMPARE(projections->itemText(0), QStringLiteral("Örtliches Gitter"));

        QTest::mouseClick(test_transform, Qt::LeftButton);
        auto* east = form.findChild<QLineEdit*>("Text_east0");
        QVERIFY2(east != nullptr && east->isVisible(), qPrintable(messages.messages().join("; ")));
        east->selectAll();
        QTest::keyClicks(east, "east");
        QTest::mouseClick(form.findChild<QPushButton*>("Command_grid_to_geo0"), Qt::LeftButton);
        QCOMPARE(messages.messages().value(0), QStringLiteral("Der Rechtswert ist ungültig"));
    }
};

}  // namespace korv

QTEST_MAIN(korv::TranslationTest)
#include "translation_test.moc"
