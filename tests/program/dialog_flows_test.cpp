// The dialog driven as a user drives it: the datum shift frame, "Done", "Test Transform",
// "Cancel" and the conversion test panel, with the settings store and "datum.csv" in a
// temporary folder.

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "angle_text.h"
#include "conversion_engine_binding.h"
#include "datum_list.h"
#include "datum_shift_frame.h"
#include "file_dialog.h"
#include "form_projections.h"
#include "settings_store.h"
#include "source_settings.h"
#include "test_records.h"
#include "test_sandbox.h"

namespace korv {
namespace {

const char* const kBoxNames[] = {"Text_dx", "Text_dy", "Text_dz", "Text_rx",
                                 "Text_ry", "Text_rz", "Text_sc"};
constexpr double DatumShift::*kFields[] = {&DatumShift::dx, &DatumShift::dy, &DatumShift::dz,
                                           &DatumShift::rx, &DatumShift::ry, &DatumShift::rz,
                                           &DatumShift::sc};

const std::string kBuiltInFile =
    "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\n"
    "AGD84 to GDA 94,-117.7630,-51.5100,139.0610,-2.9200e-01,-4.4300e-01,-2.7700e-01,-0.1910\r\n"
    "AGD66 to GDA 94,-117.8080,-51.5360,137.7840,-3.0300e-01,-4.4600e-01,-2.3400e-01,-0.2900\r\n";

void store_zone55() {
    QVERIFY(testing::store_mga_zone55());
}

QString stored(const QString& key) {
    return SettingsStore(kSettingsApplication).get(kSettingsSection, key, kNoValue);
}

// The translation of the inverse of X' = t + s*M*X found by inverting the 3x3 matrix s*M in
// general (Cramer's rule), not by the transposition the program uses.
std::array<double, 3> inverse_translation(const DatumShift& v) {
    const double k = M_PI / (180.0 * 3600.0);
    const double s = 1 + v.sc / 1e6;
    const double rx = v.rx * k, ry = v.ry * k, rz = v.rz * k;
    const double a[3][3] = {{s, s * rz, -s * ry}, {-s * rz, s, s * rx}, {s * ry, -s * rx, s}};
    const double det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                       a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
                       a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    const double t[3] = {v.dx, v.dy, v.dz};
    std::array<double, 3> result{};
    for (int column = 0; column < 3; ++column) {
        double replaced[3][3];
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                replaced[i][j] = j == column ? t[i] : a[i][j];
            }
        }
        const double d =
            replaced[0][0] * (replaced[1][1] * replaced[2][2] - replaced[1][2] * replaced[2][1]) -
            replaced[0][1] * (replaced[1][0] * replaced[2][2] - replaced[1][2] * replaced[2][0]) +
            replaced[0][2] * (replaced[1][0] * replaced[2][1] - replaced[1][1] * replaced[2][0]);
        result[static_cast<size_t>(column)] = -d / det;  // X = -(sM)^-1 t + (sM)^-1 X'
    }
    return result;
}

}  // namespace

class DialogFlowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::Sandbox> sandbox_;
    std::unique_ptr<testing::MessageRecorder> messages_;
    std::unique_ptr<Form_projections> form_;

    template <typename T = QWidget>
    T* find(const char* name) {
        T* widget = form_->findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no widget %s", name);
        }
        return widget;
    }
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }
    void type(const char* name, const QString& value) { find<QLineEdit>(name)->setText(value); }
    // Replaces the text by typing, as a person does: a click into it, select all, type.
    void type_keys(const char* name, const QString& value) {
        QWidget* field = find(name);
        auto* combo = qobject_cast<QComboBox*>(field);
        QTest::mouseClick(combo != nullptr ? combo->lineEdit() : field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, value);
    }
    void click(const char* name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }
    QComboBox* combo() { return find<QComboBox>("Combo_transform"); }
    void select_shift(int position) { pick(combo(), position, "mouse"); }

    // Opens the list and picks the entry as a person does: a click on it, or the arrow keys or
    // its name typed, then Enter.
    static void pick(QComboBox* box, int position, const QString& how) {
        QAbstractItemView* view = box->view();
        if (how == "mouse") {
            box->showPopup();
        } else {
            QTest::keyClick(box, Qt::Key_F4);
        }
        QTRY_VERIFY(view->isVisible());
        if (how == "mouse") {
            const QRect item = view->visualRect(view->model()->index(position, 0));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        } else if (how == "type-ahead") {
            QTest::keyClicks(view, box->itemText(position));
            QTest::keyClick(view, Qt::Key_Return);
        } else {
            for (int row = view->currentIndex().row(); row != position;
                 row += row < position ? 1 : -1) {
                QTest::keyClick(view, row < position ? Qt::Key_Down : Qt::Key_Up);
            }
            QTest::keyClick(view, Qt::Key_Return);
        }
        QTRY_VERIFY(!view->isVisible());
    }
    std::string datum_file() const { return sandbox_->path("datum.csv"); }
    QString line(const char* name) { return find<QLabel>(name)->text(); }

    // Presses the button that opens an EPSG list and works the list, once it is open, as `use`
    // says; the list must be closed by then.
    void in_epsg_list(const char* button, const std::function<void(QWidget* list)>& use) {
        QTimer::singleShot(0, [&use] { use(QApplication::activeModalWidget()); });
        click(button);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }
    static void search(QWidget* list, const QString& words) {
        QTest::keyClicks(list->findChild<QLineEdit*>("Text_search"), words);
    }
    static void double_click_first(QWidget* list) {
        auto* view = list->findChild<QAbstractItemView*>();
        const QPoint row = view->visualRect(view->model()->index(0, 1)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row);
    }

    void start() {
        form_ = std::make_unique<Form_projections>();
        form_->Form_Load();
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

private slots:
    void init() {
        sandbox_ = std::make_unique<testing::Sandbox>();
        messages_ = std::make_unique<testing::MessageRecorder>();
    }
    void cleanup() {
        form_.reset();
        messages_.reset();
        sandbox_.reset();
    }

    void first_start_seeds_the_list_and_selects_none() {
        start();
        QCOMPARE(testing::read_file(datum_file()), kBuiltInFile);
        QCOMPARE(combo()->count(), 3);
        QCOMPARE(combo()->itemText(0), QStringLiteral("None"));
        QCOMPARE(combo()->itemText(1), QStringLiteral("AGD84 to GDA 94"));
        QCOMPARE(combo()->itemText(2), QStringLiteral("AGD66 to GDA 94"));
        QCOMPARE(combo()->currentText(), QStringLiteral("None"));
        for (const char* box : kBoxNames) {
            QCOMPARE(text(box), QStringLiteral("0.0000"));
        }
        QVERIFY(!find("Command_inverse")->isEnabled());
        QVERIFY(find("vxProjection")->isVisible());
        QVERIFY(messages_->messages().isEmpty());
    }

    void selecting_an_entry_fills_the_boxes_with_four_decimals() {
        start();
        select_shift(1);
        QCOMPARE(text("Text_dx"), QStringLiteral("-117.7630"));
        QCOMPARE(text("Text_rx"), QStringLiteral("-0.2920"));
        QCOMPARE(text("Text_sc"), QStringLiteral("-0.1910"));
        select_shift(0);
        QCOMPARE(text("Text_dx"), QStringLiteral("0.0000"));
    }

    void an_edit_reaches_the_file_only_beyond_the_tolerance_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<double>("change");
        for (int box = 0; box < 7; ++box) {
            QTest::addRow("%s by 0.0005", kBoxNames[box]) << box << 0.0005;
            QTest::addRow("%s by 0.002", kBoxNames[box]) << box << 0.002;
        }
    }
    void an_edit_reaches_the_file_only_beyond_the_tolerance() {
        QFETCH(int, box);
        QFETCH(double, change);
        store_zone55();
        start();
        select_shift(1);
        DatumShift values = built_in_datum_shifts()[0];
        const QString typed = QString::number(values.*kFields[box] + change, 'f', 4);
        type_keys(kBoxNames[box], typed);
        click("Command_done1");
        QVERIFY2(messages_->messages().isEmpty(), qPrintable(messages_->messages().join("; ")));
        QCOMPARE(form_->state().current_datum_shift.name, std::string("AGD84 to GDA 94"));
        QCOMPARE(form_->state().current_datum_shift.*kFields[box], typed.toDouble());
        if (change < 0.001) {
            QCOMPARE(testing::read_file(datum_file()), kBuiltInFile);
            return;
        }
        values.*kFields[box] = typed.toDouble();
        DatumList saved(datum_file());
        saved.load_datum_list();
        QCOMPARE(saved.entry(1), values);
        QCOMPARE(saved.entry(2), built_in_datum_shifts()[1]);
    }

    void calculate_inverse_data() {
        QTest::addColumn<int>("position");
        QTest::newRow("AGD84 to GDA 94") << 1;
        QTest::newRow("AGD66 to GDA 94") << 2;
    }
    void calculate_inverse() {
        QFETCH(int, position);
        start();
        select_shift(position);
        const DatumShift& entry = form_->datum_list()->entry(position);
        click("Command_inverse");
        QCOMPARE(combo()->currentText(), QString::fromStdString(entry.name) + " Inverse");
        const std::array<double, 3> expected = inverse_translation(entry);
        const char* translations[] = {"Text_dx", "Text_dy", "Text_dz"};
        for (size_t i = 0; i < 3; ++i) {
            QCOMPARE(text(translations[i]), QString::number(expected[i], 'f', 4));
        }
        QCOMPARE(text("Text_rx"), QString::number(-entry.rx, 'f', 4));
        QCOMPARE(text("Text_ry"), QString::number(-entry.ry, 'f', 4));
        QCOMPARE(text("Text_rz"), QString::number(-entry.rz, 'f', 4));
        QCOMPARE(text("Text_sc"), QString::number(-entry.sc, 'f', 4));
        QCOMPARE(testing::read_file(datum_file()), kBuiltInFile);  // nothing is stored yet
        QVERIFY(form_->state().current_datum_shift.name.empty());
    }

    void an_inverse_taken_by_done_joins_the_list() {
        store_zone55();
        start();
        select_shift(1);
        click("Command_inverse");
        click("Command_done0");
        QVERIFY(messages_->messages().isEmpty());
        const std::string file = testing::read_file(datum_file());
        QVERIFY(file.find("\r\nAGD84 to GDA 94 Inverse,117.") != std::string::npos);
        QVERIFY(!form_->isVisible());
    }

    // Picking an entry, the selected one too, puts its values back over an inverse or an edit.
    void picking_an_entry_fills_the_boxes_again_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("inverse");
        QTest::newRow("mouse, over the inverse") << "mouse" << true;
        QTest::newRow("keys, over the inverse") << "keys" << true;
        QTest::newRow("mouse, over an edit") << "mouse" << false;
        QTest::newRow("keys, over an edit") << "keys" << false;
    }
    void picking_an_entry_fills_the_boxes_again() {
        QFETCH(QString, how);
        QFETCH(bool, inverse);
        store_zone55();
        start();
        pick(combo(), 1, how);
        if (inverse) {
            QTest::mouseClick(find<QPushButton>("Command_inverse"), Qt::LeftButton);
        } else {
            type_keys("Text_sc", "5");
        }
        pick(combo(), 1, how);
        QCOMPARE(combo()->currentText(), QStringLiteral("AGD84 to GDA 94"));
        QCOMPARE(text("Text_rx"), QStringLiteral("-0.2920"));
        QCOMPARE(text("Text_sc"), QStringLiteral("-0.1910"));
        QTest::mouseClick(find<QPushButton>("Command_done1"), Qt::LeftButton);
        QCOMPARE(testing::read_file(datum_file()), kBuiltInFile);
    }

    // Typing never selects an entry, whatever matches it: the name and the values stay as
    // typed, are current for the run, and never reach "datum.csv".
    void a_typed_name_stays_as_typed_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("the start of an entry") << "AGD6";
        QTest::newRow("an entry in other case") << "agd66 to gda 94";
    }
    void a_typed_name_stays_as_typed() {
        QFETCH(QString, name);
        store_zone55();
        start();
        type_keys("Text_dz", "7");
        type_keys("Combo_transform", name);
        QTest::keyClick(combo(), Qt::Key_Tab);
        QCOMPARE(combo()->currentText(), name);
        QCOMPARE(text("Text_dz"), QStringLiteral("7"));
        QCOMPARE(find<DatumShiftFrame>("Frame_datum_shift")->selected_position(), -1);
        QVERIFY(!find("Command_inverse")->isEnabled());
        type_keys("Text_dx", "1");
        click("Command_done0");
        QVERIFY(!form_->isVisible());
        QCOMPARE(form_->state().current_datum_shift.name, name.toStdString());
        QCOMPARE(form_->state().current_datum_shift, (DatumShift{name.toStdString(), 1, 0, 7}));
        QCOMPARE(testing::read_file(datum_file()), kBuiltInFile);
    }

    // Enter presses "Done" everywhere on the panel but in the datum shift drop-down, which keeps
    // the typed text as typed.
    void enter_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("closes");
        QTest::newRow("in the drop-down") << "Combo_transform" << false;
        QTest::newRow("in a datum box") << "Text_dz" << true;
    }
    void enter() {
        QFETCH(QString, field);
        QFETCH(bool, closes);
        store_zone55();
        start();
        type_keys(qPrintable(field), "12");
        QTest::keyClick(find(qPrintable(field)), Qt::Key_Return);
        QCOMPARE(!form_->isVisible(), closes);
        if (!closes) {
            QCOMPARE(combo()->currentText(), QStringLiteral("12"));
            QCOMPARE(combo()->count(), 3);
            QCOMPARE(find<DatumShiftFrame>("Frame_datum_shift")->selected_position(), -1);
        }
    }

    void escape_closes_the_test_panel_then_the_dialog() {
        store_zone55();
        start();
        click("Command_done1");
        QTest::keyClick(find("Text_lon0"), Qt::Key_Escape);
        QVERIFY(!find("Frame_transform_test")->isVisible());
        QVERIFY(form_->isVisible());
        QTest::keyClick(find("Command_done1"), Qt::Key_Escape);
        QVERIFY(!form_->isVisible());
    }

    // The run a new user makes, through the mouse and the keyboard only.
    void the_typical_run() {
        start();
        pick(find<QComboBox>("Combo_projection"), 2, "mouse");  // Universal Transverse Mercator
        type_keys("Text_zone_number", "55");
        pick(combo(), 2, "type-ahead");  // AGD66 to GDA 94
        click("Command_done1");
        type_keys("Text_lon0", "144 25 29.5244");
        type_keys("Text_lat0", "-37 57 03.7203");
        click("Command_geo_to_grid0");
        QCOMPARE(text("Text_east0"), QStringLiteral("273740.5"));  // on the first spheroid
        click("Command_transform0");
        QCOMPARE(text("Text_lon1"), QStringLiteral("144 25 34.29259"));  // about 120 m east
        click("Command_done_test");
        click("Command_done0");
        QVERIFY(messages_->messages().isEmpty());
        QVERIFY(!form_->isVisible());
        // The first spheroid and the northern hemisphere of a first start, zone 55 of UTM.
        QCOMPARE(stored("Parameters1"), QStringLiteral(" 1; 2; 1;-177; 0; 0; 0"));
        QCOMPARE(stored("Parameters2"), QStringLiteral(" 500000; 0; 0.9996; 6; 55"));
    }

    void every_field_and_button_has_a_spoken_name_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("name");
        const char* const fields[][2] = {{"Text_lon", "longitude"},
                                         {"Text_lat", "latitude"},
                                         {"Text_elevation", "elevation"},
                                         {"Text_east", "east"},
                                         {"Text_north", "north"},
                                         {"Command_geo_to_grid", "lat/lon to east/north"},
                                         {"Command_grid_to_geo", "east/north to lat/lon"}};
        for (const auto& [widget, name] : fields) {
            QTest::addRow("%s0", widget) << QString(widget) + "0" << QString("Source ") + name;
            QTest::addRow("%s1", widget) << QString(widget) + "1" << QString("Map ") + name;
        }
        const char* const others[][2] = {{"Command_transform0", "Convert Source Data to Map"},
                                         {"Command_transform1", "Convert Map to Source Data"},
                                         {"Command_done_test", "Done testing"},
                                         {"Command_convert_file", "Convert a file of points"},
                                         {"Combo_transform", "Transform"},
                                         {"Command_inverse", "Calculate Inverse"}};
        for (const auto& [widget, name] : others) {
            QTest::newRow(widget) << widget << name;
        }
        for (const char* box : kBoxNames) {  // "Text_dx" is "DX"
            QTest::newRow(box) << box << QString(box).mid(5).toUpper();
        }
    }
    void every_field_and_button_has_a_spoken_name() {
        QFETCH(QString, widget);
        QFETCH(QString, name);
        start();
        QAccessibleInterface* spoken =
            QAccessible::queryAccessibleInterface(find(qPrintable(widget)));
        if (spoken->role() == QAccessible::ComboBox) {
            // A drop-down's name is its text; the reader says the label it is related to.
            const auto labels = spoken->relations(QAccessible::Label);
            QVERIFY(!labels.isEmpty());
            spoken = labels.front().first;
        }
        QCOMPARE(spoken->text(QAccessible::Name), name);
    }

    void an_unusable_datum_file_is_kept_and_the_user_told() {
        testing::write_file(datum_file() + ".bak", "earlier");
        testing::write_file(datum_file(), "no list");
        start();
        const QString backup = QString::fromStdString(datum_file() + ".bak2");
        QTRY_COMPARE(messages_->messages(),
                     QStringList{"\"" + QString::fromStdString(datum_file()) +
                                 "\" could not be used as a datum shift list and was replaced by "
                                 "the two published shifts. Its content is kept in \"" +
                                 backup + "\"."});
        QCOMPARE(testing::read_file(backup.toStdString()), std::string("no list"));
        QCOMPARE(testing::read_file(datum_file() + ".bak"), std::string("earlier"));
    }

    void a_typed_name_is_current_for_the_run_only() {
        store_zone55();
        start();
        select_shift(2);
        QTest::keyClicks(combo()->lineEdit(), " mine");
        click("Command_done1");
        QCOMPARE(form_->state().current_datum_shift.name, std::string("AGD66 to GDA 94 mine"));
        QCOMPARE(form_->state().current_datum_shift.dz, 137.784);
        QCOMPARE(testing::read_file(datum_file()), kBuiltInFile);
    }

    void the_datum_boxes_are_checked_for_a_list_entry_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("message");
        QTest::newRow("dx") << "Text_dx"
                            << "The dx value is invalid";
        QTest::newRow("dy") << "Text_dy"
                            << "The dy value is invalid";
        QTest::newRow("dz") << "Text_dz"
                            << "The dz value is invalid";
        QTest::newRow("rx") << "Text_rx"
                            << "The rx value is invalid";
        QTest::newRow("ry") << "Text_ry"
                            << "The ry value is invalid";
        QTest::newRow("rz") << "Text_rz"
                            << "The rz value is invalid";
        QTest::newRow("sc") << "Text_sc"
                            << "The SC value is invalid";
    }
    void the_datum_boxes_are_checked_for_a_list_entry() {
        QFETCH(QString, box);
        QFETCH(QString, message);
        store_zone55();
        start();
        select_shift(1);
        type(qPrintable(box), "12 m");
        click("Command_done0");
        QCOMPARE(messages_->messages(), QStringList{message});
        QVERIFY(form_->isVisible());
        QVERIFY(form_->state().current_datum_shift.name.empty());
    }

    void a_name_that_the_file_cannot_hold_is_refused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("blank") << "  "
                               << "A name must be supplied for the transform";
        QTest::newRow("comma") << "Site A, east"
                               << "A transform name cannot contain a comma";
        QTest::newRow("too long") << QString(10200, 'A')
                                  << "The transform name is too long to be kept in the datum list";
    }
    void a_name_that_the_file_cannot_hold_is_refused() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        store_zone55();
        start();
        select_shift(1);
        combo()->lineEdit()->setText(name);  // as "Calculate Inverse" sets it: still selected
        click("Command_done1");
        QCOMPARE(messages_->messages(), QStringList{message});
        QCOMPARE(testing::read_file(datum_file()), kBuiltInFile);
    }

    void a_stored_projection_the_control_does_not_know_never_stops_startup() {
        {
            SettingsStore settings(kSettingsApplication);
            settings.set(kSettingsSection, "Name", "edited by hand");
            settings.set(kSettingsSection, "Parameters1", " 12; 7; 2;-177; 0; 0; 0");
            QVERIFY(settings.commit().ok());
        }
        start();
        QCOMPARE(form_->windowTitle(), QStringLiteral("Define Source Datum Definitions"));
        QCOMPARE(combo()->currentText(), QStringLiteral("None"));  // the later steps ran
        QVERIFY(find("vxProjection")->isEnabled());
        QVERIFY(messages_->messages().isEmpty());
    }

    void done_with_an_invalid_definition_keeps_the_dialog_open() {
        start();  // the first record has scale factor 0
        click("Command_done0");
        QCOMPARE(messages_->messages(), QStringList{"The scale factor must be positive"});
        QVERIFY(form_->isVisible());
        QCOMPARE(form_->state().source_coord_system, CoordSystem{});
    }

    void done_writes_the_settings_and_closes() {
        store_zone55();
        start();
        find<QLineEdit>("Text_zone_number")->setText("56");
        click("Command_done0");
        QVERIFY(!form_->isVisible());
        QCOMPARE(stored("Parameters2"), QStringLiteral(" 500000; 10000000; 0.9996; 6; 56"));
        QCOMPARE(stored("Name"), QStringLiteral("MGA zone 55"));
        QCOMPARE(form_->state().committed_coord_system.zone_number, 56);
    }

    // "Cancel" keeps what "Test Transform" last took, and nothing of later edits.
    void cancel_stores_what_was_taken_data() {
        QTest::addColumn<bool>("tested");
        QTest::newRow("edited") << false;
        QTest::newRow("edited and tested") << true;
    }
    void cancel_stores_what_was_taken() {
        QFETCH(bool, tested);
        store_zone55();
        start();
        select_shift(1);
        type_keys("Text_dz", "139.0630");
        type_keys("Text_zone_number", "54");
        if (tested) {
            click("Command_done1");
            click("Command_done_test");
        }
        click("Cancel");
        QVERIFY(!form_->isVisible());
        QCOMPARE(stored("Parameters2"),
                 tested ? " 500000; 10000000; 0.9996; 6; 54" : " 500000; 10000000; 0.9996; 6; 55");
        std::string expected = kBuiltInFile;
        if (tested) {
            expected.replace(expected.find("139.0610"), 8, "139.0630");
        }
        QCOMPARE(testing::read_file(datum_file()), expected);
    }

    void done_with_the_shift_text_cleared_takes_no_shift() {
        store_zone55();
        start();
        combo()->lineEdit()->clear();
        click("Command_done0");
        QVERIFY(!form_->isVisible());
        QVERIFY(form_->state().current_datum_shift.name.empty());
        QCOMPARE(form_->state().committed_coord_system, CoordSystem{});
        QCOMPARE(stored("Parameters1"), QStringLiteral(" 12; 2; 2;-177; 0; 0; 0"));
    }

    void the_test_panel_lies_over_the_panel_until_done() {
        store_zone55();
        start();
        auto* panel = find<QFrame>("Frame_transform_test");
        auto* beneath = find<QFrame>("Frame_projection");
        QVERIFY(!panel->isVisible());
        click("Command_done1");
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->geometry(), beneath->geometry());
        QVERIFY(!beneath->isEnabled());
        QTRY_VERIFY(find("Text_lon0")->hasFocus() || !QGuiApplication::focusWindow());
        click("Command_done_test");
        QVERIFY(!panel->isVisible());
        QVERIFY(beneath->isEnabled());
    }

    void a_zone55_point_converts_on_both_sides_and_back() {
        store_zone55();
        start();
        click("Command_done1");  // "None": the committed copy is taken, no shift
        for (const char* side : {"0", "1"}) {
            const QByteArray suffix(side);
            type("Text_lon" + suffix, "144 25 29.5244");
            type("Text_lat" + suffix, "-37 57 03.7203");
            click("Command_geo_to_grid" + suffix);
            QCOMPARE(text("Text_east" + suffix), QStringLiteral("273741.3"));
            QCOMPARE(text("Text_north" + suffix), QStringLiteral("5796489.8"));
            // Back through the boxes as shown: they stand for the point to its last digit.
            click("Command_grid_to_geo" + suffix);
            QCOMPARE(text("Text_lon" + suffix), QStringLiteral("144 25 29.5244"));
            QCOMPARE(text("Text_lat" + suffix), QStringLiteral("-37 57 3.7203"));
        }
        QVERIFY(messages_->messages().isEmpty());
    }

    void none_passes_the_point_unchanged_and_the_limits_hold_data() {
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("map_longitude");
        QTest::addColumn<QString>("map_latitude");
        QTest::addColumn<QString>("message");
        QTest::newRow("a point") << "144 25 29.5244"
                                 << "-37 57 3.7203"
                                 << "144 25 29.5244"
                                 << "-37 57 3.7203"
                                 << "";
        QTest::newRow("latitude 89") << "0"
                                     << "89 0 0"
                                     << "0 0 0.00"
                                     << "89 0 0.00"
                                     << "";
        QTest::newRow("latitude 89 and a second") << "0"
                                                  << "89 0 1"
                                                  << "000 00 00.000"
                                                  << "000 00 00.000"
                                                  << "Latitude is invalid";
        QTest::newRow("longitude 360") << "360"
                                       << "-89"
                                       << "360 0 0.00"
                                       << "-89 0 0.00"
                                       << "";
        QTest::newRow("longitude beyond 360") << "-360 0 0.1"
                                              << "0"
                                              << "000 00 00.000"
                                              << "000 00 00.000"
                                              << "Longitude is invalid";
    }
    void none_passes_the_point_unchanged_and_the_limits_hold() {
        QFETCH(QString, longitude);
        QFETCH(QString, latitude);
        QFETCH(QString, map_longitude);
        QFETCH(QString, map_latitude);
        QFETCH(QString, message);
        store_zone55();
        start();
        click("Command_done1");
        type("Text_lon0", longitude);
        type("Text_lat0", latitude);
        click("Command_transform0");
        QCOMPARE(messages_->messages(), message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(text("Text_lon1"), map_longitude);
        QCOMPARE(text("Text_lat1"), map_latitude);
        QCOMPARE(text("Text_elevation1"), message.isEmpty() ? QStringLiteral("0.0") : "0");
    }

    void a_shift_moves_the_point_between_the_sides() {
        store_zone55();
        start();
        select_shift(2);
        click("Command_done1");
        type("Text_lon0", "144 30 0");
        type("Text_lat0", "-37 15 0");
        type("Text_elevation0", "100");
        click("Command_transform0");
        QVERIFY(messages_->messages().isEmpty());
        QVERIFY(text("Text_lon1") != text("Text_lon0"));
        click("Command_transform1");  // and back again, through the displayed (rounded) texts
        const double display_rounding = 2e-5 / 3600;  // twice the last shown digit: 0.6 mm
        QVERIFY(std::fabs(*angle_from_text(text("Text_lon0").toStdString()) - 144.5) <=
                display_rounding);
        QVERIFY(std::fabs(*angle_from_text(text("Text_lat0").toStdString()) + 37.25) <=
                display_rounding);
        QCOMPARE(text("Text_elevation0"), QStringLiteral("100.0"));
    }

    // Two copies of the program on one "datum.csv", the second started before the first pressed
    // "Done", edit one entry: each value either changed reaches the file, and where both changed
    // one, the later wins and says so.
    void two_copies_edit_one_entry() {
        store_zone55();
        start();
        std::unique_ptr<Form_projections> started_first = std::move(form_);
        start();
        select_shift(2);
        type_keys("Text_dx", "-100");
        type_keys("Text_dz", "140");
        click("Command_done0");
        form_ = std::move(started_first);
        form_->activateWindow();
        select_shift(2);
        type_keys("Text_dy", "-50");
        type_keys("Text_dz", "141");
        click("Command_done0");
        QCOMPARE(
            messages_->messages(),
            QStringList{"\"AGD66 to GDA 94\" was changed in \"" + QString(datum_file().c_str()) +
                        "\" by another program while it was edited here. For DZ the value "
                        "entered here replaced the one saved there; every other value saved "
                        "there was kept."});
        QCOMPARE(QString::fromStdString(testing::read_file(datum_file())),
                 QString::fromStdString(kBuiltInFile)
                     .replace("-117.8080,-51.5360,137.7840", "-100.0000,-50.0000,141.0000"));
    }

    // With the transform name cleared "Test Transform" takes no copy for the map side: its
    // buttons and "Convert File..." to the map grid say so, and change nothing.
    void a_side_that_cannot_convert_says_so_and_keeps_its_boxes() {
        store_zone55();
        start();
        combo()->lineEdit()->clear();  // no committed copy is taken
        click("Command_done1");
        type("Text_lon1", "147");
        type("Text_lat1", "-37");
        click("Command_geo_to_grid1");
        set_file_dialog([this](const FileDialogRequest&) {
            return QString::fromStdString(sandbox_->path("out.txt"));
        });
        QTimer::singleShot(0, [] {  // to the map grid, in the dialog of the two points
            for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return}) {
                QTest::keyClick(QApplication::activeModalWidget()->focusWidget(), key);
            }
        });
        click("Command_convert_file");
        set_file_dialog({});
        QCOMPARE(messages_->messages().size(), 2);
        for (const QString& message : messages_->messages()) {
            QVERIFY(message.startsWith("The map coordinates have no coordinate system yet: "));
        }
        QCOMPARE(text("Text_east1"), QStringLiteral("0"));
        QVERIFY(!QFile::exists(QString::fromStdString(sandbox_->path("out.txt"))));
        messages_->clear();
        type("Text_east0", "x");
        click("Command_grid_to_geo0");
        QCOMPARE(messages_->messages(), QStringList{"Easting is invalid"});
    }
    // "From EPSG...": searched by code or words, picked with the keys or the mouse. The control
    // holds the published definition to its last digit, though its fields show it rounded.
    void from_epsg_fills_the_control_data() {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("code");
        QTest::newRow("words, Down and Enter") << "MGA zone 55"
                                               << "keys" << 28355;
        QTest::newRow("scale factor of many digits, mouse") << "27700"
                                                            << "mouse" << 27700;
        QTest::newRow("parallels in minutes, Enter") << "32139"
                                                     << "enter" << 32139;
    }
    void from_epsg_fills_the_control() {
        QFETCH(QString, words);
        QFETCH(QString, how);
        QFETCH(int, code);
        start();
        in_epsg_list("Command_epsg_system", [&](QWidget* list) {
            search(list, words);
            if (how == "mouse") {
                double_click_first(list);
                return;
            }
            if (how == "keys") {
                QTest::keyClick(list->focusWidget(), Qt::Key_Down);
            }
            QTest::keyClick(list->focusWidget(), Qt::Key_Return);
        });
        QVERIFY(line("Label_epsg_system").contains(QStringLiteral("EPSG:%1 ").arg(code)));
        click("Command_done1");
        const auto catalogue = conversion_engine();
        const epsg::PublishedSystem published = *(*catalogue)->catalogue().system(code);
        QCOMPARE(as_definition(form_->state().source_coord_system),
                 *(*catalogue)->catalogue().system_definition(code));
        QCOMPARE(form_->state().source_coord_system.name, published.name);
    }

    void from_epsg_says_why_a_system_cannot_be_filled() {
        store_zone55();
        start();
        QString note;
        in_epsg_list("Command_epsg_system", [&note](QWidget* list) {
            search(list, "3857");
            QTest::keyClick(list->focusWidget(), Qt::Key_Return);
            note = list->findChild<QLabel*>("Label_note")->text();
            QTest::keyClick(list->focusWidget(), Qt::Key_Escape);
        });
        QCOMPARE(note, QStringLiteral("EPSG:3857 uses the Popular Visualisation Pseudo-Mercator "
                                      "projection, which this dialog does not define"));
        QCOMPARE(text("Text_zone_number"), QStringLiteral("55"));
    }

    // "Add from EPSG...": the shift joins "datum.csv" in the file's convention and is selected;
    // adding it again changes nothing.
    void add_from_epsg_adds_the_shift_and_selects_it() {
        start();
        for (int times = 0; times < 2; ++times) {
            in_epsg_list("Command_epsg_shift", [](QWidget* list) {
                search(list, "agd66 gda94 (4)");
                double_click_first(list);
            });
        }
        QCOMPARE(combo()->count(), 4);
        QCOMPARE(combo()->currentText(), QStringLiteral("AGD66 to GDA94 (4) EPSG:1460"));
        QCOMPARE(text("Text_rx"), QStringLiteral("-0.4150"));
        QCOMPARE(line("Label_epsg_shift"),
                 QStringLiteral("EPSG:1460 · 1 m · Australia - New South Wales and Victoria"));
        QCOMPARE(testing::read_file(datum_file()),
                 kBuiltInFile +
                     "AGD66 to GDA94 (4) EPSG:1460,-119.3530,-48.3010,139.4840,"
                     "-4.1500e-01,-2.6000e-01,-4.3700e-01,-0.6130\r\n");
        QVERIFY(messages_->messages().isEmpty());
    }

    // Nothing is read at start-up, where the line offers to look up; from then on both lines
    // follow every change.
    void the_lines_follow_the_edits() {
        store_zone55();
        start();
        QCOMPARE(line("Label_epsg_system"), QString());
        click("Command_look_up_system");
        QVERIFY(line("Label_epsg_system").endsWith("EPSG:28355 GDA94 / MGA zone 55"));
        QVERIFY(!find("Command_look_up_system")->isVisible());
        QCOMPARE(line("Label_epsg_shift"), QString());
        type_keys("Text_zone_number", "56");
        QVERIFY(line("Label_epsg_system").contains("EPSG:7856 GDA2020 / MGA zone 56, "));
        type_keys("Text_scale_factor", "0");
        QCOMPARE(line("Label_epsg_system"),
                 QStringLiteral("not identified: The scale factor must be positive"));
        select_shift(2);
        QCOMPARE(line("Label_epsg_shift"),
                 QStringLiteral("EPSG:15979 · 3 m · Australia - offshore"));
        type_keys("Text_dx", "-117.9");
        QCOMPARE(line("Label_epsg_shift"), QStringLiteral("not a published transformation"));
        select_shift(0);
        QCOMPARE(line("Label_epsg_shift"), QString());
    }

    // Beside the result, the panel notes a point outside the area of use of the systems the
    // definition is or of the shift; the conversion is made all the same.
    void the_panel_notes_points_outside_the_areas_of_use_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("longitude");
        QTest::addColumn<QString>("note");
        QTest::newRow("inside") << "Command_geo_to_grid0"
                                << "144 25 29.5244" << QString();
        QTest::newRow("outside the systems")
            << "Command_geo_to_grid0"
            << "138 36 0"
            << "The point lies outside the area of use of EPSG:5551, EPSG:7855, EPSG:28355 (";
        QTest::newRow("outside the shift")
            << "Command_transform0"
            << "138 36 0"
            << "The point lies outside the area of use of EPSG:1460 AGD66 to GDA94 (4) "
               "(Australia - New South Wales and Victoria).";
    }
    void the_panel_notes_points_outside_the_areas_of_use() {
        QFETCH(QString, button);
        QFETCH(QString, longitude);
        QFETCH(QString, note);
        store_zone55();
        testing::write_file(datum_file(),
                            kBuiltInFile +
                                "AGD66 to GDA94 (4) EPSG:1460,-119.3530,-48.3010,"
                                "139.4840,-4.1500e-01,-2.6000e-01,-4.3700e-01,-0.6130\r\n");
        start();
        select_shift(3);
        click("Command_done1");
        type_keys("Text_lon0", longitude);
        type_keys("Text_lat0", "-34 55 0");
        click(button.toLatin1());
        const bool shifted = button == "Command_transform0";
        const QString shown = line(shifted ? "Label_area1" : "Label_area0");
        QVERIFY2(note.isEmpty() ? shown.isEmpty() : shown.startsWith(note), qPrintable(shown));
        QVERIFY(shifted ? text("Text_lon1") != "000 00 00.000" : text("Text_east0") != "0");
        QVERIFY(messages_->messages().isEmpty());
    }

    // Run as its own test with PROJ_DATA naming a folder without the database: the lines and the
    // lists say so, and the dialog converts as before.
    void without_the_epsg_database_the_features_say_so() {
        const QString data = qEnvironmentVariable("PROJ_DATA");
        if (data.isEmpty() || QFile::exists(data + "/proj.db")) {
            QSKIP("needs PROJ_DATA naming a folder without proj.db");
        }
        store_zone55();
        start();
        type_keys("Text_zone_number", "55");
        QVERIFY(line("Label_epsg_system")
                    .startsWith("not identified: the EPSG dataset is not available ("));
        select_shift(2);
        QVERIFY(line("Label_epsg_shift")
                    .startsWith("not identified: the EPSG dataset is not available ("));
        QString note;
        in_epsg_list("Command_epsg_shift", [&note](QWidget* list) {
            note = list->findChild<QLabel*>("Label_note")->text();
            QTest::keyClick(list, Qt::Key_Escape);
        });
        QVERIFY(note.startsWith("the EPSG dataset is not available ("));
        click("Command_done1");
        type_keys("Text_lon0", "144 25 29.5244");
        type_keys("Text_lat0", "-37 57 3.7203");
        click("Command_geo_to_grid0");
        QCOMPARE(text("Text_east0"), QStringLiteral("273741.3"));
        QVERIFY(line("Label_area0")
                    .startsWith(
                        "The area of use cannot be checked: the EPSG dataset is not available ("));
        QVERIFY(messages_->messages().isEmpty());
    }
};

}  // namespace korv

QTEST_MAIN(korv::DialogFlowsTest)
#include "dialog_flows_test.moc"
