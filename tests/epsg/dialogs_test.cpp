// "From EPSG..." and "Add from EPSG..." as a user works them: typing a search, stepping with the
// arrow keys from the search box, Enter, a double-click, and a system the control cannot hold.
#include <QLabel>
#include <QLineEdit>
#include <QTreeView>
#include <QtTest>

#include "pick_from_catalogue.h"
#include "proj_database_catalogue.h"
#include "shift_picker_dialog.h"
#include "system_picker_dialog.h"

namespace korv {

class EpsgDialogsTest : public QObject {
    Q_OBJECT

private:
    epsg::ProjDatabaseCatalogue catalogue_;

    static QLineEdit* search(QDialog& dialog) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("Text_search"));
    }

private slots:
    void systemByKeyboardAndRefusal() {
        SystemPickerDialog dialog(catalogue_);
        dialog.show();
        QTest::keyClicks(search(dialog), QStringLiteral("3857"));
        QTest::keyClick(search(dialog), Qt::Key_Return);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("Label_note"))->text(),
                 QStringLiteral("EPSG:3857 uses the Popular Visualisation Pseudo-Mercator "
                                "projection, which this dialog does not define"));

        search(dialog)->clear();
        QTest::keyClicks(search(dialog), QStringLiteral("MGA zone 55"));
        QCOMPARE(dialog.findChild<QTreeView*>(QStringLiteral("List_systems"))->model()->rowCount(),
                 2);
        QTest::keyClick(search(dialog), Qt::Key_Down);
        QTest::keyClick(search(dialog), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.picked()->system.code, 28355);
        QCOMPARE(dialog.picked()->definition.zone_number, 55);
    }

    void shiftByDoubleClickAndEscape() {
        ShiftPickerDialog dialog(catalogue_);
        dialog.show();
        QTest::keyClicks(search(dialog), QStringLiteral("agd66 gda94 (4)"));
        QTreeView* list = dialog.findChild<QTreeView*>(QStringLiteral("List_shifts"));
        QCOMPARE(list->model()->rowCount(), 1);
        const QPoint row = list->visualRect(list->model()->index(0, 1)).center();
        // A double-click as the system delivers it: a click, then the second press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.picked()->shift.name, std::string("AGD66 to GDA94 (4) EPSG:1460"));

        // Opened modally, Escape gives nothing.
        QTimer::singleShot(
            0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        QVERIFY(!pick_from_catalogue<ShiftPickerDialog>(catalogue_, nullptr));
    }
};

}  // namespace korv

QTEST_MAIN(korv::EpsgDialogsTest)
#include "dialogs_test.moc"
