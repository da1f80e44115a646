#include "point_transform.h"

#include <QAccessible>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <clocale>
#include <filesystem>

#include "control_factory.h"
#include "file_dialog.h"
#include "file_numbers.h"
#include "test_sandbox.h"

namespace korv {
namespace {

constexpr char kHeader[] = "     Station        Depth      East       North\r\n";

QLineEdit* box(const PointTransform& control, const QString& name) {
    auto* found = control.findChild<QLineEdit*>(name);
    if (found == nullptr) {
        qFatal("no text box %s", qPrintable(name));
    }
    return found;
}

QTabWidget* tabs(const PointTransform& control) {
    return control.findChild<QTabWidget*>("Tab_transform_type");
}

void click(const PointTransform& control, const char* button) {
    QTest::mouseClick(control.findChild<QPushButton*>(button), Qt::LeftButton);
}

// The user clicks a tab's title.
void click_tab(const PointTransform& control, int tab) {
    QTabBar* bar = tabs(control)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
}

void type(PointTransform& control,
          std::initializer_list<std::pair<const char*, const char*>> texts) {
    for (const auto& [name, text] : texts) {
        box(control, name)->setText(text);
    }
}

// The origin tab's entries for rotation -90, scales 2, origin (0, 0) onto (100, 100).
void type_quarter_turn(PointTransform& control) {
    type(control, {{"Text_rotang", "-90"},
                   {"Text_xscale", "2"},
                   {"Text_yscale", "2"},
                   {"Text_xorigin", "0"},
                   {"Text_yorigin", "0"},
                   {"Text_xoffset", "100"},
                   {"Text_yoffset", "100"}});
}

CoordTransform sample_record() {
    CoordTransform record;
    record.reserved_int = 3;
    record.rotation = 12.3456789;
    record.reserved_a = 1;
    record.xscale = 0.999612345678;
    record.yscale = 0.999612345678;
    record.gxmin = 1000.123456;
    record.gymin = 2000.98765;
    record.mxmin = 500000.55556;
    record.mymin = 7000000.44444;
    record.gxmax = 1100;
    record.gymax = 2000;
    record.mxmax = 500100;
    record.mymax = 7000000;
    record.zshift = 1.23456;
    record.zscale = 0.3048123456789;
    return record;
}

// Answers the file choice with one path, or cancels, while it lives, and remembers what was
// asked. Like a file dialog, it may leave another directory current.
class FileAnswer {
public:
    explicit FileAnswer(std::optional<std::string> path)
        : previous_(set_file_dialog(
              [this, path](const FileDialogRequest& request) -> std::optional<QString> {
                  requests.push_back(request);
                  QDir::setCurrent(QDir::rootPath());
                  if (!path) {
                      return std::nullopt;
                  }
                  return QString::fromStdString(*path);
              })) {}
    ~FileAnswer() { set_file_dialog(std::move(previous_)); }
    FileAnswer(const FileAnswer&) = delete;
    FileAnswer& operator=(const FileAnswer&) = delete;

    std::vector<FileDialogRequest> requests;

private:
    FileDialogFunction previous_;
};

// Calls a member by its signature through the meta-object system with an argument array, the
// way a late-bound host reaches members that take more arguments than invokeMethod passes.
bool call_late_bound(QObject& object, const char* signature, std::vector<void*> arguments) {
    const int index =
        object.metaObject()->indexOfMethod(QMetaObject::normalizedSignature(signature));
    if (index < 0) {
        return false;
    }
    arguments.insert(arguments.begin(), nullptr);  // no result
    QMetaObject::metacall(&object, QMetaObject::InvokeMetaMethod, index, arguments.data());
    return true;
}

}  // namespace

class PointTransformTest : public QObject {
    Q_OBJECT

private slots:
    void startup_shows_a_cleared_transform_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("rotation") << 0 << "Text_rotang"
                                  << "0.000000";
        QTest::newRow("x scale") << 0 << "Text_xscale"
                                 << "1.00000000";
        QTest::newRow("y scale") << 0 << "Text_yscale"
                                 << "1.00000000";
        QTest::newRow("x origin") << 0 << "Text_xorigin"
                                  << "0.0000";
        QTest::newRow("y origin") << 0 << "Text_yorigin"
                                  << "0.0000";
        QTest::newRow("new x origin") << 0 << "Text_xoffset"
                                      << "0.0000";
        QTest::newRow("new y origin") << 0 << "Text_yoffset"
                                      << "0.0000";
        QTest::newRow("elevation shift") << 0 << "Text_elevation_shift0"
                                         << "0.0000";
        QTest::newRow("elevation scale") << 0 << "Text_elevation_scale0"
                                         << "1.00000000";
        // The first visit of "Two Point" stores the origin form with the default second point.
        QTest::newRow("original x1") << 1 << "Text_original_x1"
                                     << "0.0000";
        QTest::newRow("original y1") << 1 << "Text_original_y1"
                                     << "0.0000";
        QTest::newRow("original x2") << 1 << "Text_original_x2"
                                     << "100.0000";
        QTest::newRow("original y2") << 1 << "Text_original_y2"
                                     << "0.0000";
        QTest::newRow("new x1") << 1 << "Text_new_x1"
                                << "0.0000";
        QTest::newRow("new y1") << 1 << "Text_new_y1"
                                << "0.0000";
        QTest::newRow("new x2") << 1 << "Text_new_x2"
                                << "100.0000";
        QTest::newRow("new y2") << 1 << "Text_new_y2"
                                << "0.0000";
        QTest::newRow("two-point shift") << 1 << "Text_elevation_shift1"
                                         << "0.0000";
        QTest::newRow("two-point scale") << 1 << "Text_elevation_scale1"
                                         << "1.00000000";
    }
    void startup_shows_a_cleared_transform() {
        QFETCH(int, tab);
        QFETCH(QString, name);
        QFETCH(QString, text);
        testing::MessageRecorder messages;
        PointTransform control;
        QCOMPARE(tabs(control)->currentIndex(), 0);
        tabs(control)->setCurrentIndex(tab);
        QCOMPARE(box(control, name)->text(), text);
        QVERIFY(messages.messages().isEmpty());
    }

    void captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const std::pair<const char*, const char*> rows[] = {
            {"Text_xorigin", "Original X origin"},
            {"Text_yorigin", "Original Y origin"},
            {"Text_xscale", "X scale factor"},
            {"Text_yscale", "Y scale factor"},
            {"Text_xoffset", "New X origin"},
            {"Text_yoffset", "New Y origin"},
            {"Text_rotang", "Rotate clockwise by"},
            {"Text_elevation_shift0", "Elevation Shift"},
            {"Text_elevation_scale0", "Elevation Scale"},
            {"Text_original_x1", "Original X1"},
            {"Text_original_y1", "Original Y1"},
            {"Text_new_x1", "New X1"},
            {"Text_new_y1", "New Y1"},
            {"Text_original_x2", "Original X2"},
            {"Text_original_y2", "Original Y2"},
            {"Text_new_x2", "New X2"},
            {"Text_new_y2", "New Y2"},
            {"Text_elevation_shift1", "Elevation Shift"},
            {"Text_elevation_scale1", "Elevation Scale"},
            {"Command_reset", "Reset Transformation"},
            {"Command_load_transform_file", "Load Transformation From File"},
            {"Command_invert_transform", "Invert Transform"},
            {"Command_save_transform_file", "Save Transformation To File"},
        };
        for (const auto& [name, caption] : rows) {
            QTest::newRow(name) << name << caption;
        }
    }
    // Each button and box shows its caption, and a screen reader speaks it as its name.
    void captions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        PointTransform control;
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(control.findChild<QWidget*>(name));
        QVERIFY(accessible != nullptr);
        QCOMPARE(accessible->text(QAccessible::Name), caption);
        if (auto* button = control.findChild<QPushButton*>(name)) {
            QCOMPARE(button->text(), caption);
            return;
        }
        QLineEdit* field = box(control, name);
        QStringList captions;
        for (QLabel* label : control.findChildren<QLabel*>()) {
            if (label->buddy() == field) {
                captions << label->text();
            }
        }
        QCOMPARE(captions, QStringList{caption});
        if (name.startsWith("Text_elevation_shift")) {
            QCOMPARE(field->toolTip(), QStringLiteral("Value to add to data read from file"));
        } else if (name.startsWith("Text_elevation_scale")) {
            QCOMPARE(field->toolTip(),
                     QStringLiteral("Multiplier applied to elevation value ( Formula used is "
                                    "Znew = (Zold+Zshift)*Zscale )"));
        } else {
            QVERIFY(field->toolTip().isEmpty());
        }
    }

    void tabs_are_titled_and_laid_out_in_aligned_columns() {
        PointTransform control;
        QCOMPARE(tabs(control)->tabText(0), QStringLiteral("Origin, Scale and Azimuth"));
        QCOMPARE(tabs(control)->tabText(1), QStringLiteral("Two Point"));
        QVERIFY(control.sizeHint().width() >= 415 && control.sizeHint().height() >= 404);
        control.resize(control.sizeHint());
        control.show();
        for (int tab : {0, 1}) {
            tabs(control)->setCurrentIndex(tab);
            QWidget* page = tabs(control)->currentWidget();
            QSet<int> columns;
            for (QLineEdit* field : page->findChildren<QLineEdit*>()) {
                columns << field->mapTo(&control, QPoint()).x();
            }
            QCOMPARE(columns.size(), 2);
            for (QLabel* label : page->findChildren<QLabel*>()) {
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
                QCOMPARE(label->mapTo(&control, QPoint()).x(),
                         label->buddy()->mapTo(&control, QPoint()).x());
                QVERIFY(label->geometry().bottom() <= label->buddy()->geometry().top());
            }
        }
        for (QPushButton* button : control.findChildren<QPushButton*>()) {
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        }
    }

    void a_bad_field_keeps_its_tab_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("rotation") << 0 << "Text_rotang"
                                  << "abc"
                                  << "Rotation angle must be numeric";
        QTest::newRow("zero x scale") << 0 << "Text_xscale"
                                      << "0.00005"
                                      << "Scale for current x axis must be non-zero";
        QTest::newRow("zero elevation scale") << 0 << "Text_elevation_scale0"
                                              << "0"
                                              << "Elevation scale must be non-zero";
        QTest::newRow("new y2") << 1 << "Text_new_y2"
                                << ""
                                << "New Y2 must be numeric";
        QTest::newRow("same original points")
            << 1 << "Text_original_x2"
            << "0.05"
            << "First and second original points must be distinct";
    }
    void a_bad_field_keeps_its_tab() {
        QFETCH(int, tab);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, message);
        testing::MessageRecorder messages;
        PointTransform control;
        tabs(control)->setCurrentIndex(tab);
        box(control, name)->setText(text);
        tabs(control)->setCurrentIndex(1 - tab);
        QCOMPARE(messages.messages(), QStringList{message});
        QCOMPARE(tabs(control)->currentIndex(), tab);
        QCOMPARE(box(control, name)->text(), text);
        // Once mended, the switch goes through.
        box(control, name)->setText(tab == 0 ? "1" : "5");
        tabs(control)->setCurrentIndex(1 - tab);
        QCOMPARE(tabs(control)->currentIndex(), 1 - tab);
        QCOMPARE(messages.messages().size(), 1);
    }

    // Enter on the focused button presses it, also inside a host dialog whose default button
    // would otherwise take the key and close the dialog.
    void enter_presses_the_focused_button() {
        QDialog host;
        auto* control = new PointTransform(&host);
        (new QPushButton(QStringLiteral("OK"), &host))->setDefault(true);
        host.show();
        control->setPointTransform(sample_record());
        QTest::keyClick(control->findChild<QPushButton*>("Command_invert_transform"),
                        Qt::Key_Return);
        QCOMPARE(box(*control, "Text_xorigin")->text(), QStringLiteral("500000.5556"));
        QVERIFY(host.isVisible());
    }

    void both_tabs_show_the_same_transform() {
        testing::MessageRecorder messages;
        PointTransform control;
        type_quarter_turn(control);
        tabs(control)->setCurrentIndex(1);
        QCOMPARE(box(control, "Text_original_x2")->text(), QStringLiteral("100.0000"));
        QCOMPARE(box(control, "Text_new_x1")->text(), QStringLiteral("100.0000"));
        QCOMPARE(box(control, "Text_new_x2")->text(), QStringLiteral("100.0000"));
        QCOMPARE(box(control, "Text_new_y2")->text(), QStringLiteral("300.0000"));
        // A new second point pair on the two-point tab: (0,0)->(100,100), (0,10)->(130,100).
        type(control, {{"Text_original_x2", "0"},
                       {"Text_original_y2", "10"},
                       {"Text_new_x2", "130"},
                       {"Text_new_y2", "100"}});
        tabs(control)->setCurrentIndex(0);
        QCOMPARE(box(control, "Text_rotang")->text(), QStringLiteral("90.000000"));
        QCOMPARE(box(control, "Text_xscale")->text(), QStringLiteral("3.00000000"));
        QCOMPARE(box(control, "Text_yscale")->text(), QStringLiteral("3.00000000"));
        QVERIFY(messages.messages().isEmpty());
    }

    void reading_the_property_rounds_to_the_shown_decimals() {
        PointTransform control;
        control.setPointTransform(sample_record());
        CoordTransform read;
        QCOMPARE(control.getPointTransform(read), 0);
        QCOMPARE(read.rotation, 12.345679);
        QCOMPARE(read.xscale, 0.99961235);
        QCOMPARE(read.gxmin, 1000.1235);
        QCOMPARE(read.gymin, 2000.9877);
        QCOMPARE(read.mxmin, 500000.5556);
        QCOMPARE(read.mymin, 7000000.4444);
        QCOMPARE(read.zshift, 1.2346);
        QCOMPARE(read.zscale, 0.30481235);
        QCOMPARE(read.reserved_int, int16_t{3});
        // The first store after start-up takes the default second original point.
        QCOMPARE(read.gxmax, 1100.1235);
    }

    void a_failed_read_leaves_the_callers_record() {
        testing::MessageRecorder messages;
        PointTransform control;
        box(control, "Text_yorigin")->setText("north");
        CoordTransform read = sample_record();
        QCOMPARE(control.getPointTransform(read), -1);
        QCOMPARE(read, sample_record());
        QCOMPARE(messages.messages(), QStringList{"Grid y origin must be numeric"});
    }

    void assigning_shows_the_origin_tab() {
        PointTransform control;
        tabs(control)->setCurrentIndex(1);
        control.setPointTransform(sample_record());
        QCOMPARE(tabs(control)->currentIndex(), 0);
        QCOMPARE(box(control, "Text_rotang")->text(), QStringLiteral("12.345679"));
        QCOMPARE(box(control, "Text_xoffset")->text(), QStringLiteral("500000.5556"));
        QCOMPARE(box(control, "Text_elevation_scale0")->text(), QStringLiteral("0.30481235"));
    }

    void loading_a_file_on_the_two_point_tab() {
        testing::Sandbox sandbox;
        testing::MessageRecorder messages;
        const std::string path = sandbox.path("quarter.crd");
        testing::write_file(path,
                            std::string(kHeader) + "0 0 100 100\r\n10 0 100 120\r\n2.5 0.3048\r\n");
        FileAnswer answer(path);
        PointTransform control;
        tabs(control)->setCurrentIndex(1);
        click(control, "Command_load_transform_file");
        QCOMPARE(tabs(control)->currentIndex(), 1);
        QCOMPARE(box(control, "Text_original_x2")->text(), QStringLiteral("10.0000"));
        QCOMPARE(box(control, "Text_new_y2")->text(), QStringLiteral("120.0000"));
        QCOMPARE(box(control, "Text_elevation_shift1")->text(), QStringLiteral("2.5000"));
        QCOMPARE(box(control, "Text_elevation_scale1")->text(), QStringLiteral("0.30480000"));
        tabs(control)->setCurrentIndex(0);
        QCOMPARE(box(control, "Text_rotang")->text(), QStringLiteral("-90.000000"));
        QCOMPARE(box(control, "Text_xscale")->text(), QStringLiteral("2.00000000"));
        QCOMPARE(box(control, "Text_xoffset")->text(), QStringLiteral("100.0000"));
        // The loaded second point is kept: storing the origin form gives (100, 120) again.
        CoordTransform read;
        QCOMPARE(control.getPointTransform(read), 0);
        QVERIFY(qAbs(read.mxmax - 100) < 1e-4);
        QVERIFY(qAbs(read.mymax - 120) < 1e-9);
        QVERIFY(messages.messages().isEmpty());
    }

    void a_failed_load_changes_nothing_data() {
        QTest::addColumn<QString>("content");  // a null text: the choice is cancelled
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("cancelled") << QString() << QStringList{};
        QTest::newRow("points too close")
            << QString("h\r\n0 0 100 100\r\n0.5 0 100 120\r\n0 1\r\n")
            << QStringList{"The start and end grid coordinates cannot be identical"};
        QTest::newRow("grid and map points too close")
            << QString("h\r\n0 0 100 100\r\n0 0.5 100.3 100.4\r\n0 1\r\n")
            << QStringList{"The start and end grid coordinates cannot be identical",
                           "The start and end map coordinates cannot be identical"};
        QTest::newRow("number too large")
            << QString("h\r\n0 0 100 100\r\n1e999 0 100 120\r\n0 1\r\n")
            << QStringList{"holds a number too large to use."};
    }
    void a_failed_load_changes_nothing() {
        QFETCH(QString, content);
        QFETCH(QStringList, messages);
        testing::Sandbox sandbox;
        testing::MessageRecorder recorder;
        const std::string path = sandbox.path("bad.crd");
        if (!content.isNull()) {
            testing::write_file(path, content.toStdString());
        }
        FileAnswer answer(content.isNull() ? std::nullopt : std::optional(path));
        PointTransform control;
        control.setPointTransform(sample_record());
        box(control, "Text_rotang")->setText("typed, not stored");
        click(control, "Command_load_transform_file");
        QCOMPARE(box(control, "Text_rotang")->text(), QStringLiteral("typed, not stored"));
        QCOMPARE(recorder.messages().size(), messages.size());
        for (qsizetype i = 0; i < messages.size(); ++i) {
            QVERIFY2(recorder.messages()[i].endsWith(messages[i]),
                     qPrintable(recorder.messages()[i]));
        }
        box(control, "Text_rotang")->setText("12.345679");
        CoordTransform read;
        QCOMPARE(control.getPointTransform(read), 0);
        QCOMPARE(read.mymin, 7000000.4444);
        QCOMPARE(read.zscale, 0.30481235);
    }

    void a_file_ending_after_its_points_loads_without_elevation_change() {
        testing::Sandbox sandbox;
        testing::MessageRecorder messages;
        const std::string path = sandbox.path("short.crd");
        testing::write_file(path, std::string(kHeader) + "0 0 100 100\r\n10 0 100 120\r\n");
        FileAnswer answer(path);
        PointTransform control;
        click(control, "Command_load_transform_file");
        QCOMPARE(box(control, "Text_elevation_shift0")->text(), QStringLiteral("0.0000"));
        QCOMPARE(box(control, "Text_elevation_scale0")->text(), QStringLiteral("1.00000000"));
        CoordTransform read;
        QCOMPARE(control.getPointTransform(read), 0);
        QVERIFY(messages.messages().isEmpty());
    }

    void saving_writes_the_stored_tab() {
        testing::Sandbox sandbox;
        testing::MessageRecorder messages;
        const std::string path = sandbox.path("saved.crd");
        FileAnswer answer(path);
        PointTransform control;
        type_quarter_turn(control);
        type(control, {{"Text_elevation_shift0", "-1.5"}});
        click(control, "Command_save_transform_file");
        QVERIFY(messages.messages().isEmpty());
        const std::string content = testing::read_file(path);
        // The derived second new point, (100, 300) but for the system's degrees per radian.
        QVERIFY2(content.starts_with(std::string(kHeader) + "0 0 100 100\r\n100 0 99.99999998"),
                 content.c_str());
        QVERIFY2(content.ends_with(" 300\r\n-1.5 1\r\n"), content.c_str());
    }

    void saving_a_bad_tab_or_to_a_missing_folder_is_reported() {
        testing::Sandbox sandbox;
        testing::MessageRecorder messages;
        FileAnswer answer(sandbox.path("gone/saved.crd"));
        PointTransform control;
        box(control, "Text_xoffset")->setText("east");
        click(control, "Command_save_transform_file");
        QCOMPARE(messages.messages(), QStringList{"New x origin must be numeric"});
        box(control, "Text_xoffset")->setText("5");
        click(control, "Command_save_transform_file");
        QCOMPARE(messages.messages().size(), 2);
        QVERIFY(messages.messages()[1].contains("could not be written"));
    }

    void invert_and_reset_act_on_the_stored_transform() {
        testing::MessageRecorder messages;
        PointTransform control;
        type_quarter_turn(control);
        tabs(control)->setCurrentIndex(1);
        tabs(control)->setCurrentIndex(0);           // stored
        box(control, "Text_rotang")->setText("45");  // typed, not stored
        click(control, "Command_invert_transform");
        QCOMPARE(box(control, "Text_rotang")->text(), QStringLiteral("90.000000"));
        QCOMPARE(box(control, "Text_xscale")->text(), QStringLiteral("0.50000000"));
        QCOMPARE(box(control, "Text_xorigin")->text(), QStringLiteral("100.0000"));
        QCOMPARE(box(control, "Text_xoffset")->text(), QStringLiteral("0.0000"));
        click(control, "Command_invert_transform");
        QCOMPARE(box(control, "Text_rotang")->text(), QStringLiteral("-90.000000"));
        QCOMPARE(box(control, "Text_xscale")->text(), QStringLiteral("2.00000000"));
        box(control, "Text_rotang")->setText("45");
        click(control, "Command_reset");
        QCOMPARE(box(control, "Text_rotang")->text(), QStringLiteral("0.000000"));
        // The reset forgets the second point: the next store takes the default one again.
        type_quarter_turn(control);
        tabs(control)->setCurrentIndex(1);
        QCOMPARE(box(control, "Text_original_x2")->text(), QStringLiteral("100.0000"));
        QCOMPARE(box(control, "Text_new_y2")->text(), QStringLiteral("300.0000"));
        QVERIFY(messages.messages().isEmpty());
    }

    void overflow_is_reported_and_never_stored_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("store")
            << "store"
            << QStringList{"An error orrurred while calculating the transform: Overflow"};
        QTest::newRow("invert")
            << "invert"
            << QStringList{"An error orrurred while calculating the transform: Overflow"};
        QTest::newRow("two point")
            << "two point"
            << QStringList{"An error orrurred while calculating the transform: Overflow"};
    }
    void overflow_is_reported_and_never_stored() {
        QFETCH(QString, action);
        QFETCH(QStringList, messages);
        testing::MessageRecorder recorder;
        PointTransform control;
        CoordTransform record = sample_record();
        if (action == "store") {
            box(control, "Text_xscale")->setText("1e308");
        } else if (action == "invert") {
            record.zshift = 1e200;
            record.zscale = 1e200;
            control.setPointTransform(record);
            click(control, "Command_invert_transform");
        } else {
            // Typed far apart, the points overflow their distance: the tab is kept, nothing stored.
            control.show();
            click_tab(control, 1);
            const std::pair<const char*, const char*> typed[] = {{"Text_original_x1", "-1e200"},
                                                                 {"Text_original_x2", "1e200"}};
            for (const auto& [name, text] : typed) {
                box(control, name)->selectAll();
                QTest::keyClicks(box(control, name), text);
            }
            click_tab(control, 0);
            QCOMPARE(tabs(control)->currentIndex(), 1);
            control.load_transform_parameters();
            QCOMPARE(box(control, "Text_original_x2")->text(), QStringLiteral("100.0000"));
        }
        int32_t ierr = 0;
        if (action == "store") {
            control.unload_transform_parameters(ierr);
            QCOMPARE(ierr, -1);
        }
        QCOMPARE(recorder.messages(), messages);
        const QList<QLineEdit*> fields = control.findChildren<QLineEdit*>();
        for (QLineEdit* field : fields) {
            QVERIFY2(!field->text().contains("inf") && !field->text().contains("nan"),
                     qPrintable(field->objectName()));
        }
    }

    // The file members ask for "*.crd" files, report cancelled choices and refusals by their
    // status, and leave the current directory as it was.
    void coordinate_file_members_keep_their_contract() {
        testing::Sandbox sandbox;
        testing::MessageRecorder messages;
        const QString start = QDir::currentPath();
        PointTransform control;
        double v[10] = {0, 0, 100, 100, 0, 0.5, 100.3, 100.4, 0, 1};
        int32_t ierr = 0;
        const auto save = [&] {
            control.save_coordinate_file(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9],
                                         ierr);
        };
        const auto load = [&] {
            control.load_coordinate_file(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9],
                                         ierr);
        };
        {
            FileAnswer cancelled(std::nullopt);
            save();
            QCOMPARE(ierr, -1);
            std::fill(std::begin(v), std::end(v), 7.0);
            load();
            QCOMPARE(ierr, -1);
            QCOMPARE(v[9], 7.0);
            QVERIFY(QDir(sandbox.folder()).isEmpty(QDir::NoDotAndDotDot | QDir::AllEntries));
            QCOMPARE(cancelled.requests.size(), size_t{2});
            const FileDialogRequest& saving = cancelled.requests[0];
            QCOMPARE(saving.kind, FileDialogRequest::Kind::kSave);
            QCOMPARE(saving.title, "Specify the name of Coordinate transformation file");
            QCOMPARE(saving.filter, "Coordinate Files (*.crd);;All files (*.*)");
            QCOMPARE(saving.file_name, "*.crd");
            QCOMPARE(saving.default_suffix, "crd");
            const FileDialogRequest& opening = cancelled.requests[1];
            QCOMPARE(opening.kind, FileDialogRequest::Kind::kOpen);
            QCOMPARE(opening.file_name, "");
            QCOMPARE(opening.title, saving.title);
            QVERIFY(messages.messages().isEmpty());
            QCOMPARE(QDir::currentPath(), start);
        }
        {
            // Points too close together: the values are given all the same.
            const std::string close = sandbox.path("close.crd");
            testing::write_file(close, "h\r\n0 0 100 100\r\n0 0.5 100.3 100.4\r\n0 1\r\n");
            FileAnswer answer(close);
            load();
            QCOMPARE(ierr, -1);
            QCOMPARE(v[5], 0.5);
            QCOMPARE(v[7], 100.4);
            QCOMPARE(messages.messages(),
                     QStringList({"The start and end grid coordinates cannot be identical",
                                  "The start and end map coordinates cannot be identical"}));
            QCOMPARE(QDir::currentPath(), start);
            save();
            QCOMPARE(ierr, 0);
            QCOMPARE(QDir::currentPath(), start);
        }
        {
            const std::string missing = sandbox.path("missing.crd");
            FileAnswer answer(missing);
            load();
            QCOMPARE(ierr, -1);
            QCOMPARE(v[5], 0.5);
            QCOMPARE(messages.messages().last(),
                     QString("The coordinate file \"%1\" could not be opened.")
                         .arg(QString::fromStdString(missing)));
            QCOMPARE(QDir::currentPath(), start);
        }
    }

    void hosts_hear_of_every_stored_transform_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("rotation");
        QTest::newRow("accept") << "accept" << 1 << 45.0;
        QTest::newRow("refused") << "refused" << 0 << 12.3456789;
        QTest::newRow("tab change") << "tab change" << 1 << 12.345679;
        QTest::newRow("invert") << "invert" << 1 << -12.3456789;
        QTest::newRow("reset") << "reset" << 1 << 0.0;
        QTest::newRow("load") << "load" << 1 << -90.0;
        QTest::newRow("assign") << "assign" << 1 << 7.0;
        QTest::newRow("assign the same") << "assign the same" << 0 << 12.3456789;
    }
    void hosts_hear_of_every_stored_transform() {
        QFETCH(QString, action);
        QFETCH(int, count);
        QFETCH(double, rotation);
        testing::Sandbox sandbox;
        testing::MessageRecorder messages;
        const std::string path = sandbox.path("quarter.crd");
        testing::write_file(path, std::string(kHeader) + "0 0 100 100\r\n10 0 100 120\r\n");
        FileAnswer answer(path);
        PointTransform control;
        control.setPointTransform(sample_record());
        QSignalSpy changed(&control, &PointTransform::pointTransformChanged);
        CoordTransform assigned = sample_record();
        if (action == "accept" || action == "refused") {
            box(control, "Text_rotang")->setText(action == "accept" ? "45" : "east");
            QCOMPARE(control.acceptEntries(), action == "accept");
        } else if (action == "tab change") {
            tabs(control)->setCurrentIndex(1);
        } else if (action == "invert" || action == "reset" || action == "load") {
            const QString button = action == "invert"  ? "Command_invert_transform"
                                   : action == "reset" ? "Command_reset"
                                                       : "Command_load_transform_file";
            click(control, button.toLatin1().constData());
        } else {
            assigned.rotation = action == "assign" ? 7 : assigned.rotation;
            QVERIFY(control.setProperty("pointTransform", QVariant::fromValue(assigned)));
        }
        QCOMPARE(changed.count(), count);
        QCOMPARE(messages.messages().size(), action == "refused" ? 1 : 0);
        const CoordTransform now = control.property("pointTransform").value<CoordTransform>();
        QCOMPARE(now, control.pointTransform());
        if (count > 0) {
            QCOMPARE(changed.last().at(0).value<CoordTransform>(), now);
        }
        QCOMPARE(now.rotation, rotation);
    }

    void entries_problem_is_what_accepting_would_show_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("accepted") << 0 << "Text_rotang"
                                  << "45";
        QTest::newRow("not numeric") << 0 << "Text_rotang"
                                     << "abc";
        QTest::newRow("zero scale") << 0 << "Text_elevation_scale0"
                                    << "0";
        QTest::newRow("overflow") << 0 << "Text_xscale"
                                  << "1e308";
        QTest::newRow("points together") << 1 << "Text_original_x2"
                                         << "0.05";
    }
    // It shows nothing and stores nothing, not even what an overflowing store keeps.
    void entries_problem_is_what_accepting_would_show() {
        QFETCH(int, tab);
        QFETCH(QString, name);
        QFETCH(QString, text);
        testing::MessageRecorder messages;
        PointTransform control;
        tabs(control)->setCurrentIndex(tab);
        box(control, name)->setText(text);
        const CoordTransform before = control.pointTransform();
        QSignalSpy changed(&control, &PointTransform::pointTransformChanged);
        const std::optional<QString> problem = control.entriesProblem();
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(control.pointTransform(), before);
        QCOMPARE(control.acceptEntries(), !problem);
        QCOMPARE(messages.messages(), problem ? QStringList{*problem} : QStringList());
    }

    void members_are_reachable_late_bound() {
        testing::Sandbox sandbox;
        testing::MessageRecorder messages;
        PointTransform control;
        QObject& object = control;

        // The property, both ways.
        QVariant assigned = QVariant::fromValue(sample_record());
        std::optional<QString> refusal = QStringLiteral("not called");
        QVERIFY(QMetaObject::invokeMethod(&object, "setPointTransform",
                                          Q_RETURN_ARG(std::optional<QString>, refusal),
                                          Q_ARG(QVariant, assigned)));
        QCOMPARE(refusal, std::nullopt);
        QVariant read;
        int32_t status = 1;
        QVERIFY(QMetaObject::invokeMethod(&object, "getPointTransform",
                                          Q_RETURN_ARG(int32_t, status), Q_ARG(QVariant&, read)));
        QCOMPARE(status, 0);
        QVERIFY(read.canConvert<CoordTransform>());
        QCOMPARE(read.value<CoordTransform>().gxmin, 1000.1235);

        // A value that is no record is refused and changes nothing.
        QVERIFY(QMetaObject::invokeMethod(&object, "setPointTransform",
                                          Q_RETURN_ARG(std::optional<QString>, refusal),
                                          Q_ARG(QVariant, QVariant(42)), Q_ARG(int32_t, 0)));
        QVERIFY(refusal && refusal->startsWith("Type mismatch"));
        QCOMPARE(box(control, "Text_xorigin")->text(), QStringLiteral("1000.1235"));

        // The members with few arguments.
        CoordTransform cleared = sample_record();
        QVERIFY(QMetaObject::invokeMethod(&object, "clear_coord_transform",
                                          Q_ARG(korv::CoordTransform&, cleared)));
        QCOMPARE(cleared.xscale, 1.0);
        QCOMPARE(cleared.reserved_int, int16_t{0});
        int32_t ierr = 1;
        QVERIFY(QMetaObject::invokeMethod(&object, "unload_transform_parameters",
                                          Q_ARG(int32_t&, ierr)));
        QCOMPARE(ierr, 0);
        QVERIFY(QMetaObject::invokeMethod(&object, "load_transform_parameters"));
        const std::string lines = sandbox.path("lines.txt");
        testing::write_file(lines, "A\tB\r\nplain\r\n");
        int32_t fnum = free_file();
        QVERIFY(open_for_input(fnum, lines));
        QString line;
        QVERIFY(QMetaObject::invokeMethod(&object, "get_line_ch", Q_RETURN_ARG(QString, line),
                                          Q_ARG(int32_t&, fnum)));
        QCOMPARE(line, QStringLiteral("A B"));
        QVERIFY(QMetaObject::invokeMethod(&object, "get_line", Q_RETURN_ARG(QString, line),
                                          Q_ARG(int32_t&, fnum)));
        QCOMPARE(line, QStringLiteral("plain"));
        close_file(fnum);

        // The members with more arguments than invokeMethod passes, through the meta-object's
        // argument array; their numbers are by reference.
        const QMetaObject* meta = control.metaObject();
        const QMetaMethod convert = meta->method(meta->indexOfMethod(
            "convert_transform(double&,double&,double&,double&,double&,double&,double&,double&,"
            "double&,double&,double&,int32_t&)"));
        QVERIFY(convert.isValid());
        QCOMPARE(convert.parameterTypes().front(), QByteArray("double&"));
        double p[8] = {0, 0, 100, 100, 10, 0, 100, 120};
        double rotation = 0, xscale = 0, yscale = 0;
        ierr = 1;
        QVERIFY(call_late_bound(object,
                                "convert_transform(double&,double&,double&,double&,double&,"
                                "double&,double&,double&,double&,double&,double&,int32_t&)",
                                {&p[0], &p[1], &p[2], &p[3], &p[4], &p[5], &p[6], &p[7], &rotation,
                                 &xscale, &yscale, &ierr}));
        QCOMPARE(ierr, 0);
        QCOMPARE(rotation, -90.0);
        QCOMPARE(xscale, 2.0);

        const std::string file = sandbox.path("late.crd");
        FileAnswer answer(file);
        double v[10] = {0, 0, 100, 100, 10, 0, 100, 120, 0, 1};
        std::vector<void*> arguments;
        for (double& value : v) {
            arguments.push_back(&value);
        }
        arguments.push_back(&ierr);
        ierr = 1;
        QVERIFY(call_late_bound(object,
                                "save_coordinate_file(double&,double&,double&,double&,double&,"
                                "double&,double&,double&,double&,double&,int32_t&)",
                                arguments));
        QCOMPARE(ierr, 0);
        std::fill(std::begin(v), std::end(v), 7.0);
        ierr = 1;
        QVERIFY(call_late_bound(object,
                                "load_coordinate_file(double&,double&,double&,double&,double&,"
                                "double&,double&,double&,double&,double&,int32_t&)",
                                arguments));
        QCOMPARE(ierr, 0);
        QCOMPARE(v[7], 120.0);
        QCOMPARE(v[9], 1.0);
        QVERIFY(messages.messages().isEmpty());
    }

    void convert_transform_leaves_its_outputs_when_it_fails() {
        testing::MessageRecorder messages;
        PointTransform control;
        double gxmin = 0, gymin = 0, mxmin = 0, mymin = 0, gxmax = 0.00005, gymax = 0;
        double mxmax = 10, mymax = 0, rotation = 7, xscale = 8, yscale = 9;
        int32_t ierr = 0;
        control.convert_transform(gxmin, gymin, mxmin, mymin, gxmax, gymax, mxmax, mymax, rotation,
                                  xscale, yscale, ierr);
        QCOMPARE(ierr, -1);
        QVERIFY(messages.messages().isEmpty());
        gxmax = 1e200;
        control.convert_transform(gxmin, gymin, mxmin, mymin, gxmax, gymax, mxmax, mymax, rotation,
                                  xscale, yscale, ierr);
        QCOMPARE(ierr, -1);
        QCOMPARE(messages.messages(),
                 QStringList{"An error occurred while calculating the transform parameters: "
                             "Overflow"});
        QCOMPARE(rotation, 7.0);
        QCOMPARE(xscale, 8.0);
        QCOMPARE(yscale, 9.0);
    }

    void hosts_create_it_by_class_name() {
        QWidget host;
        QString error;
        QWidget* created =
            create_control(QStringLiteral("KorvPointTransform.PointTransform"), &host, &error);
        QVERIFY2(created != nullptr, qPrintable(error));
        QCOMPARE(created->parent(), &host);
        QCOMPARE(created->metaObject()->className(), "korv::PointTransform");
        QVERIFY(created->findChild<QLineEdit*>("Text_elevation_scale1") != nullptr);
        QCOMPARE(create_control(QStringLiteral("KorvPointTransform.Projection"), &host, &error),
                 nullptr);
        QVERIFY(!error.isEmpty());
    }

    void numbers_use_a_point_whatever_the_locale() {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const std::string c_locale = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        testing::MessageRecorder messages;
        PointTransform control;
        control.setPointTransform(sample_record());
        const QString shown = box(control, "Text_xscale")->text();
        box(control, "Text_rotang")->setText("2.5");
        CoordTransform read;
        const int32_t status = control.getPointTransform(read);
        std::setlocale(LC_ALL, c_locale.c_str());
        QLocale::setDefault(previous);
        QCOMPARE(shown, QStringLiteral("0.99961235"));
        QCOMPARE(status, 0);
        QCOMPARE(read.rotation, 2.5);
        QVERIFY(messages.messages().isEmpty());
    }
};

}  // namespace korv

QTEST_MAIN(korv::PointTransformTest)
#include "point_transform_test.moc"
