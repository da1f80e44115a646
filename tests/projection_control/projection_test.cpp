#include "projection.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <clocale>
#include <string>

#include "korvutil32.h"
#include "test_sandbox.h"

namespace korv {
namespace {

// The nine text boxes, in the order the tables below list their texts.
const QStringList kTextBoxes = {
    "Text_zone_number",        "Text_longitude_origin",   "Text_latitude_origin",
    "Text_standard_parallel1", "Text_standard_parallel2", "Text_false_east",
    "Text_false_north",        "Text_scale_factor",       "Text_zone_width",
};

// A definition every projection accepts, with values the defaults never write.
CoordSystem surveyed(int32_t projection) {
    CoordSystem record;
    record.name = "  Zone 55  ";
    record.projection = projection;
    record.spheroid = 12;
    record.hemisphere = kSouthernHemisphere;
    record.longitude_origin = 147.5;
    record.latitude_origin = -32.25;
    record.standard_parallel_1 = -28;
    record.standard_parallel_2 = -36.5;
    record.scale_factor = 0.9999;
    record.false_east = 300000;
    record.false_north = 5000000;
    record.zone_number = 55;
    record.zone_width = 3;
    record.derived.fill(7.0);
    return record;
}

// The texts `surveyed` shows, in the order of kTextBoxes.
const QStringList kSurveyedTexts = {
    "55",     "147 30 0.00", "-32 15 0.00", "-28 0 0.00", "-36 30 0.00",
    "300000", "5000000",     "0.9999",      "3 0 0.00",
};

}  // namespace

class ProjectionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Projection> control_;
    std::unique_ptr<testing::MessageRecorder> messages_;

    template <typename Widget>
    Widget* find(const QString& name) const {
        auto* widget = control_->findChild<Widget*>(name);
        if (widget == nullptr) {
            qFatal("no widget %s", qPrintable(name));
        }
        return widget;
    }
    QLineEdit* box(const QString& name) const { return find<QLineEdit>(name); }
    QComboBox* list(const QString& name) const { return find<QComboBox>(name); }

    QStringList texts() const {
        QStringList shown;
        for (const QString& name : kTextBoxes) {
            shown << box(name)->text();
        }
        return shown;
    }

    // The user picks an entry: the list changes and reports the choice, also when the entry was
    // already selected.
    void choose(const QString& name, int position) const {
        QComboBox* combo = list(name);
        combo->setCurrentIndex(position);
        emit combo->activated(position);
    }

    // The user opens the list and clicks an entry with the mouse.
    void pick(const QString& name, int position) const {
        QComboBox* combo = list(name);
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QRect item = view->visualRect(combo->model()->index(position, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QVERIFY(!view->isVisible());
    }

    void type(const QString& name, const QString& text) const {
        QLineEdit* field = box(name);
        field->clear();
        QTest::keyClicks(field, text);
    }

    // The host assigns a record through the late-bound member, which returns why it refuses.
    std::optional<QString> assigned(const CoordSystem& record) const {
        return control_->setCoordinateSystem(QVariant::fromValue(record));
    }
    void assign(const CoordSystem& record) const { QCOMPARE(assigned(record), std::nullopt); }

private slots:
    void init() {
        messages_ = std::make_unique<testing::MessageRecorder>();
        control_ = std::make_unique<Projection>();
    }
    void cleanup() {
        control_.reset();
        messages_.reset();
    }

    void starts_with_an_empty_definition() {
        QCOMPARE(list("Combo_projection")->currentText(), QStringLiteral("Local Grid"));
        QCOMPARE(list("Combo_spheroid")->currentData().toInt(), 1);
        QCOMPARE(list("Combo_hemisphere")->currentText(), QStringLiteral("Southern Hemisphere"));
        QCOMPARE(box("Text_zone_number")->text(), QStringLiteral("0"));
        // A zeroed record has no scale factor, which the user must give before it is accepted.
        CoordSystem host;
        QCOMPARE(control_->CoordinateSystem(host), -1);
        QCOMPARE(messages_->messages(), QStringList{"The scale factor must be positive"});
        type("Text_scale_factor", "1");
        QCOMPARE(control_->CoordinateSystem(host), 0);
        QCOMPARE(host.spheroid, 1);
        QCOMPARE(host.hemisphere, kSouthernHemisphere);
    }

    void lists_layout_and_keyboard() {
        QCOMPARE(list("Combo_projection")->count(), 6);
        QCOMPARE(list("Combo_hemisphere")->itemText(0), QStringLiteral("Northern Hemisphere"));
        QComboBox* spheroids = list("Combo_spheroid");
        QCOMPARE(spheroids->count(), 22);
        QCOMPARE(spheroids->itemText(7), QStringLiteral("Everest 1830 (1967 Adjustment)"));
        QCOMPARE(spheroids->itemData(7).toInt(), 21);
        QCOMPARE(spheroids->itemData(9).toInt(), 8);
        QCOMPARE(spheroids->itemData(21).toInt(), 20);
        auto* reset = find<QPushButton>("Command_reset");
        QCOMPARE(reset->text(), QStringLiteral("Reset"));
        QCOMPARE(reset->toolTip(), QStringLiteral("Restore the original projection defintions"));

        QStringList captions;
        for (const QLabel* label : control_->findChildren<QLabel*>()) {
            QVERIFY2(label->buddy() != nullptr, qPrintable(label->text()));
            captions << label->text() + "=" + label->buddy()->objectName();
        }
        QCOMPARE(captions, (QStringList{
                               "Projection=Combo_projection",
                               "Zone Number=Text_zone_number",
                               "Spheroid=Combo_spheroid",
                               "Hemisphere=Combo_hemisphere",
                               "False Easting=Text_false_east",
                               "False Northing=Text_false_north",
                               "Scale Factor=Text_scale_factor",
                               "Longitude Origin=Text_longitude_origin",
                               "Latitude Origin=Text_latitude_origin",
                               "Zone Width=Text_zone_width",
                               "Standard Parallel 1=Text_standard_parallel1",
                               "Standard Parallel 2=Text_standard_parallel2",
                           }));

        // Tab visits every field row by row, and never the spin arrows.
        QStringList visited;
        QWidget* widget = list("Combo_projection");
        do {
            visited << widget->objectName();
            widget = widget->nextInFocusChain();
            while (widget->focusPolicy() == Qt::NoFocus || !control_->isAncestorOf(widget)) {
                widget = widget->nextInFocusChain();
            }
        } while (widget != list("Combo_projection"));
        QCOMPARE(visited,
                 (QStringList{"Combo_projection", "Text_zone_number", "Combo_spheroid",
                              "Combo_hemisphere", "Text_false_east", "Text_false_north",
                              "Text_scale_factor", "Text_longitude_origin", "Text_latitude_origin",
                              "Text_zone_width", "Text_standard_parallel1",
                              "Text_standard_parallel2", "Command_reset"}));
    }

    // Every field, list, button and arrow has a name a screen reader speaks: its caption.
    void spoken_names_data() {
        QTest::addColumn<QString>("spoken");
        const QString rows =
            "Combo_projection=Projection;Text_zone_number=Zone Number;up=Next zone;"
            "down=Previous zone;Combo_spheroid=Spheroid;Combo_hemisphere=Hemisphere;"
            "Text_false_east=False Easting;Text_false_north=False Northing;"
            "Text_scale_factor=Scale Factor;Text_longitude_origin=Longitude Origin;"
            "Text_latitude_origin=Latitude Origin;Text_zone_width=Zone Width;"
            "Text_standard_parallel1=Standard Parallel 1;"
            "Text_standard_parallel2=Standard Parallel 2;Command_reset=Reset";
        for (const QString& row : rows.split(';')) {
            QTest::newRow(qPrintable(row.section('=', 0, 0))) << row.section('=', 1);
        }
    }
    void spoken_names() {
        QFETCH(QString, spoken);
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(find<QWidget>(QTest::currentDataTag()));
        QString name = accessible->text(QAccessible::Name);
        QVERIFY(!name.isEmpty());
        if (accessible->role() == QAccessible::ComboBox) {
            // On this desktop a list's name is its selected entry; its caption is spoken from
            // the label it is labelled by.
            name =
                accessible->relations(QAccessible::Label).value(0).first->text(QAccessible::Name);
        }
        QCOMPARE(name, spoken);
    }

    // Picking the entry already selected from the open list writes its defaults again.
    void picking_the_selected_entry_again_writes_its_defaults() {
        assign(surveyed(kAustralianMapGrid));
        control_->show();
        pick("Combo_hemisphere", 1);
        QCOMPARE(box("Text_false_north")->text(), QStringLiteral("10000000"));
        pick("Combo_projection", kAustralianMapGrid);
        QCOMPARE(box("Text_false_east")->text(), QStringLiteral("500000"));
    }

    void projection_change_writes_defaults_data() {
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("hemisphere");  // position selected before the change
        QTest::addColumn<int>("chosen");
        QTest::addColumn<int>("hemisphere_after");
        QTest::addColumn<QStringList>("texts");

        const QStringList zoned_south = {"0",          "-177 0 0.00", "000 0 0.00",
                                         "000 0 0.00", "000 0 0.00",  "500000",
                                         "10000000",   "0.9996",      "6 0 0.00"};
        QStringList zoned_north = zoned_south;
        zoned_north[6] = "0";
        QStringList other = kSurveyedTexts;
        other[5] = "0";
        other[6] = "0";
        other[7] = "0.9996";
        other[8] = "6 0 0.00";

        QTest::newRow("Local Grid") << 3 << 1 << 0 << 1 << other;
        QTest::newRow("Australian Map Grid, southern") << 0 << 1 << 1 << 1 << zoned_south;
        QTest::newRow("Australian Map Grid, northern") << 0 << 0 << 1 << 0 << zoned_north;
        QTest::newRow("Australian Map Grid again") << 1 << 1 << 1 << 1 << zoned_south;
        QTest::newRow("UTM turns northern") << 0 << 1 << 2 << 0 << zoned_north;
        QTest::newRow("UTM again") << 2 << 0 << 2 << 0 << zoned_north;
        QTest::newRow("Lambert Conformal") << 1 << 1 << 3 << 1 << other;
        QTest::newRow("Albers Equal Area") << 0 << 0 << 4 << 0 << other;
        QTest::newRow("Equidistant Conic again") << 5 << 1 << 5 << 1 << other;
    }
    void projection_change_writes_defaults() {
        QFETCH(int, shown);
        QFETCH(int, hemisphere);
        QFETCH(int, chosen);
        QFETCH(int, hemisphere_after);
        QFETCH(QStringList, texts);
        CoordSystem record = surveyed(shown);
        record.hemisphere = hemisphere + 1;
        assign(record);
        choose("Combo_projection", chosen);
        QCOMPARE(list("Combo_hemisphere")->currentIndex(), hemisphere_after);
        QCOMPARE(this->texts(), texts);
        QVERIFY(messages_->messages().isEmpty());
    }

    void hemisphere_change_sets_false_north_data() {
        QTest::addColumn<int>("projection");
        QTest::addColumn<QString>("southern");
        QTest::addColumn<QString>("northern");
        QTest::newRow("Local Grid") << 0 << "5000000"
                                    << "5000000";
        QTest::newRow("Australian Map Grid") << 1 << "10000000"
                                             << "0";
        QTest::newRow("Universal Transverse Mercator") << 2 << "10000000"
                                                       << "0";
        QTest::newRow("Albers Equal Area") << 4 << "5000000"
                                           << "5000000";
    }
    void hemisphere_change_sets_false_north() {
        QFETCH(int, projection);
        QFETCH(QString, southern);
        QFETCH(QString, northern);
        assign(surveyed(projection));
        choose("Combo_hemisphere", 1);
        QCOMPARE(box("Text_false_north")->text(), southern);
        choose("Combo_hemisphere", 0);
        QCOMPARE(box("Text_false_north")->text(), northern);
    }

    void keyboard_choice_of_a_projection_writes_defaults() {
        assign(surveyed(kLocalGrid));
        QComboBox* projection = list("Combo_projection");
        projection->setFocus();
        QTest::keyClick(projection, Qt::Key_Down);
        QCOMPARE(projection->currentIndex(), 1);
        QCOMPARE(box("Text_false_east")->text(), QStringLiteral("500000"));
        QCOMPARE(box("Text_false_north")->text(), QStringLiteral("10000000"));
    }

    // Showing a record selects its list entries without their defaults: what is shown is the
    // record's own values, also where a user's choice of the same entries would overwrite them.
    void an_assigned_record_is_shown_as_it_is_data() {
        QTest::addColumn<int>("projection");
        QTest::addColumn<int>("hemisphere");
        QTest::newRow("Australian Map Grid, northern") << 1 << 1;
        QTest::newRow("UTM, southern") << 2 << 2;
        QTest::newRow("Lambert Conformal") << 3 << 2;
    }
    void an_assigned_record_is_shown_as_it_is() {
        QFETCH(int, projection);
        QFETCH(int, hemisphere);
        CoordSystem record = surveyed(projection);
        record.hemisphere = hemisphere;
        assign(record);
        QCOMPARE(list("Combo_projection")->currentIndex(), projection);
        QCOMPARE(list("Combo_hemisphere")->currentIndex(), hemisphere - 1);
        QCOMPARE(list("Combo_spheroid")->currentText(), QStringLiteral("GRS80/GDA94/MGA94"));
        QCOMPARE(texts(), kSurveyedTexts);
    }

    void out_of_range_records_are_corrected_data() {
        QTest::addColumn<int>("projection");
        QTest::addColumn<int>("spheroid");
        QTest::addColumn<int>("hemisphere");
        QTest::newRow("-3, 0, 7") << -3 << 0 << 7;
        QTest::newRow("zeroed") << 0 << 0 << 0;
        QTest::newRow("lowest") << INT32_MIN << INT32_MIN << INT32_MIN;
    }
    void out_of_range_records_are_corrected() {
        QFETCH(int, projection);
        QFETCH(int, spheroid);
        QFETCH(int, hemisphere);
        CoordSystem record = surveyed(kLocalGrid);
        record.projection = projection;
        record.spheroid = spheroid;
        record.hemisphere = hemisphere;
        choose("Combo_spheroid", 5);
        assign(record);
        QCOMPARE(list("Combo_projection")->currentText(), QStringLiteral("Local Grid"));
        QCOMPARE(list("Combo_spheroid")->currentText(),
                 QStringLiteral("Australian National Spheroid"));
        QCOMPARE(list("Combo_hemisphere")->currentText(), QStringLiteral("Southern Hemisphere"));
        CoordSystem host;
        QCOMPARE(control_->CoordinateSystem(host), 0);
        QCOMPARE(host.projection, 0);
        QCOMPARE(host.spheroid, 1);
        QCOMPARE(host.hemisphere, 2);
    }

    void an_unknown_spheroid_keeps_the_selection() {
        CoordSystem record = surveyed(kLambertConformal);
        record.spheroid = 20;
        assign(record);
        record.spheroid = 99;
        record.name = "ninety-nine";
        assign(record);
        QCOMPARE(list("Combo_spheroid")->currentText(), QStringLiteral("WGS84"));
        CoordSystem host;
        QCOMPARE(control_->CoordinateSystem(host), 0);
        QCOMPARE(host.spheroid, 20);
        QCOMPARE(host.name, std::string("ninety-nine"));
    }

    // Numbers never go through the user's locale: a German desktop still sees and types ".".
    void numbers_show_rounded_and_read_back_whole_data() {
        QTest::addColumn<bool>("german");
        QTest::newRow("C") << false;
        QTest::newRow("German") << true;
    }
    void numbers_show_rounded_and_read_back_whole() {
        QFETCH(bool, german);
        const QLocale previous;
        const std::string previous_c = std::setlocale(LC_ALL, nullptr);
        if (german) {
            QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
            std::setlocale(LC_ALL, "de_DE.UTF-8");
        }
        const auto restore = qScopeGuard([&] {
            QLocale::setDefault(previous);
            std::setlocale(LC_ALL, previous_c.c_str());
        });
        CoordSystem record = surveyed(kUniversalTransverseMercator);
        record.false_east = 500000.4;
        record.false_north = -12.5;
        record.scale_factor = 0.99962;
        record.standard_parallel_1 = -36.123456;
        assign(record);
        QCOMPARE(box("Text_false_east")->text(), QStringLiteral("500000"));
        QCOMPARE(box("Text_false_north")->text(), QStringLiteral("-13"));
        QCOMPARE(box("Text_scale_factor")->text(), QStringLiteral("0.9996"));
        QCOMPARE(box("Text_standard_parallel1")->text(), QStringLiteral("-36 7 24.4416"));
        CoordSystem host;
        QCOMPARE(control_->CoordinateSystem(host), 0);
        QCOMPARE(host.false_east, 500000.4);
        QCOMPARE(host.false_north, -12.5);
        QCOMPARE(host.scale_factor, 0.99962);
        QCOMPARE(host.standard_parallel_1, -36.123456);

        type("Text_scale_factor", "0.99975");
        type("Text_longitude_origin", "177\u00b030'W");
        QCOMPARE(control_->CoordinateSystem(host), 0);
        QCOMPARE(host.scale_factor, 0.99975);
        QCOMPARE(host.longitude_origin, -177.5);
        type("Text_scale_factor", "0,9996");
        QCOMPARE(control_->CoordinateSystem(host), -1);
        QCOMPARE(messages_->messages(), QStringList{"The scale factor must be numeric"});
    }

    void failed_checks_hand_nothing_out_data() {
        QTest::addColumn<int>("projection");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("zone letters") << 2 << "Text_zone_number"
                                      << "abc"
                                      << "Zone number must be numeric";
        QTest::newRow("zone 0") << 1 << "Text_zone_number"
                                << "0"
                                << "Zone number must be positive";
        QTest::newRow("zone too large") << 1 << "Text_zone_number"
                                        << "3e9"
                                        << "Zone number is out of range";
        QTest::newRow("parallel 1") << 3 << "Text_standard_parallel1"
                                    << "89 0 1"
                                    << "Standard parallel 1 is invalid";
        QTest::newRow("parallel 2") << 4 << "Text_standard_parallel2"
                                    << "-90"
                                    << "Standard parallel 2 is invalid";
        QTest::newRow("parallels close") << 5 << "Text_standard_parallel2"
                                         << "-28 3 0"
                                         << "The standard parallels must be distinct";
        QTest::newRow("longitude") << 3 << "Text_longitude_origin"
                                   << "361"
                                   << "Longitude origin is invalid";
        QTest::newRow("latitude") << 3 << "Text_latitude_origin"
                                  << "-89 0 1"
                                  << "Latitude origin is invalid";
        QTest::newRow("zoned longitude") << 2 << "Text_longitude_origin"
                                         << "-177\u00b0x"
                                         << "Longitude origin is invalid";
        QTest::newRow("zoned latitude") << 1 << "Text_latitude_origin"
                                        << "10 E"
                                        << "Latitude origin is invalid";
        QTest::newRow("false easting") << 0 << "Text_false_east"
                                       << "abc"
                                       << "The false easting must be numeric";
        QTest::newRow("false northing") << 1 << "Text_false_north"
                                        << "1O000000"
                                        << "The false north must be numeric";
        QTest::newRow("scale letters") << 0 << "Text_scale_factor"
                                       << "abc"
                                       << "The scale factor must be numeric";
        QTest::newRow("scale 0") << 0 << "Text_scale_factor"
                                 << "0"
                                 << "The scale factor must be positive";
        QTest::newRow("scale -1") << 3 << "Text_scale_factor"
                                  << "-1"
                                  << "The scale factor must be positive";
        QTest::newRow("zone width 0") << 2 << "Text_zone_width"
                                      << "0"
                                      << "The zone width is invalid";
        QTest::newRow("zone width 90") << 3 << "Text_zone_width"
                                       << "90"
                                       << "The zone width is invalid";
    }
    void failed_checks_hand_nothing_out() {
        QFETCH(int, projection);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        assign(surveyed(projection));
        type(field, typed);
        CoordSystem host = surveyed(kLambertConformal);
        host.name = "the host's own";
        host.derived.fill(42.0);
        const CoordSystem before = host;
        QCOMPARE(control_->CoordinateSystem(host), -1);
        QCOMPARE(messages_->messages(), QStringList{message});
        QVERIFY(host == before);
        QCOMPARE(box(field)->text(), typed);
        // The control's record is unchanged too: Reset shows it as assigned.
        QTest::mouseClick(find<QPushButton>("Command_reset"), Qt::LeftButton);
        QCOMPARE(texts(), kSurveyedTexts);
    }

    void only_the_first_failure_is_shown() {
        assign(surveyed(kAustralianMapGrid));
        type("Text_zone_number", "x");
        type("Text_scale_factor", "x");
        type("Text_zone_width", "x");
        CoordSystem host;
        QCOMPARE(control_->CoordinateSystem(host), -1);
        QCOMPARE(messages_->messages(), QStringList{"Zone number must be numeric"});
    }

    void zone_steps_within_its_bounds_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("stepped");
        QTest::newRow("1 down arrow") << "1"
                                      << "down arrow"
                                      << "0";
        QTest::newRow("0 down arrow") << "0"
                                      << "down arrow"
                                      << "0";
        QTest::newRow("0 Down key") << "0"
                                    << "Down key"
                                    << "0";
        QTest::newRow("998 up arrow") << "998"
                                      << "up arrow"
                                      << "999";
        QTest::newRow("999 up arrow") << "999"
                                      << "up arrow"
                                      << "999";
        QTest::newRow("999 Up key") << "999"
                                    << "Up key"
                                    << "999";
        QTest::newRow("55 Up key") << "55"
                                   << "Up key"
                                   << "56";
        QTest::newRow("55 Down key") << "55"
                                     << "Down key"
                                     << "54";
        QTest::newRow("2.5 down arrow") << "2.5"
                                        << "down arrow"
                                        << "1.5";
        QTest::newRow("letters up arrow") << "abc"
                                          << "up arrow"
                                          << "abc";
    }
    void zone_steps_within_its_bounds() {
        QFETCH(QString, zone);
        QFETCH(QString, how);
        QFETCH(QString, stepped);
        assign(surveyed(kUniversalTransverseMercator));
        type("Text_zone_number", zone);
        auto* spin = find<QWidget>("Spin1");
        if (how.endsWith("arrow")) {
            auto* arrow = spin->findChild<QToolButton*>(how.startsWith("up") ? "up" : "down");
            QVERIFY(arrow != nullptr);
            QTest::mouseClick(arrow, Qt::LeftButton);
        } else {
            QTest::keyClick(box("Text_zone_number"), how == "Up key" ? Qt::Key_Up : Qt::Key_Down);
        }
        QCOMPARE(box("Text_zone_number")->text(), stepped);
        QStringList others = texts();
        others.removeFirst();
        QCOMPARE(others, kSurveyedTexts.mid(1));
    }

    // An arrow steps as it goes down: pressed and left before the release, it has stepped.
    void an_arrow_steps_when_pressed() {
        assign(surveyed(kUniversalTransverseMercator));
        auto* arrow = find<QToolButton>("up");
        QTest::mousePress(arrow, Qt::LeftButton);
        QCOMPARE(box("Text_zone_number")->text(), QStringLiteral("56"));
        QTest::mouseRelease(arrow, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(box("Text_zone_number")->text(), QStringLiteral("56"));
    }

    // Enter presses the focused Reset also where the control's host is no dialog.
    void enter_presses_the_focused_reset() {
        assign(surveyed(kAustralianMapGrid));
        type("Text_false_east", "123");
        auto* reset = find<QPushButton>("Command_reset");
        reset->setFocus();
        QTest::keyClick(reset, Qt::Key_Return);
        QCOMPARE(texts(), kSurveyedTexts);
    }

    void reset_restores_the_last_definition_exchanged() {
        assign(surveyed(kAustralianMapGrid));
        choose("Combo_projection", kLambertConformal);
        choose("Combo_spheroid", 0);
        choose("Combo_hemisphere", 0);
        type("Text_false_east", "123");
        QTest::mouseClick(find<QPushButton>("Command_reset"), Qt::LeftButton);
        QCOMPARE(list("Combo_projection")->currentIndex(), int(kAustralianMapGrid));
        QCOMPARE(list("Combo_spheroid")->currentData().toInt(), 12);
        QCOMPARE(list("Combo_hemisphere")->currentIndex(), 1);
        QCOMPARE(texts(), kSurveyedTexts);

        // A successful read becomes what Reset restores.
        type("Text_zone_number", "56");
        CoordSystem host;
        QCOMPARE(control_->CoordinateSystem(host), 0);
        type("Text_zone_number", "7");
        QTest::mouseClick(find<QPushButton>("Command_reset"), Qt::LeftButton);
        QCOMPARE(box("Text_zone_number")->text(), QStringLiteral("56"));
    }

    // Assigned and read back, a definition keeps its twelve values, its name and its other
    // derived constants; reading computes the constants and marks it defined.
    void a_record_comes_back_as_assigned_data() {
        QTest::addColumn<int>("projection");
        for (int projection = 0; projection < kProjectionCount; ++projection) {
            QTest::newRow(QByteArray::number(projection)) << projection;
        }
    }
    void a_record_comes_back_as_assigned() {
        QFETCH(int, projection);
        CoordSystem assigned = surveyed(projection);
        assigned.longitude_origin = 147.123456789;
        assign(assigned);
        CoordSystem host;
        QCOMPARE(control_->CoordinateSystem(host), 0);
        QCOMPARE(host.defined, kTrue);
        QCOMPARE(host.name, std::string("  Zone 55  "));
        QCOMPARE(host.projection, assigned.projection);
        QCOMPARE(host.spheroid, assigned.spheroid);
        QCOMPARE(host.hemisphere, assigned.hemisphere);
        QCOMPARE(host.zone_number, assigned.zone_number);
        // Angle text keeps a hundred-thousandth of a second, about 3e-9 degrees.
        QVERIFY(qAbs(host.longitude_origin - assigned.longitude_origin) < 3e-9);
        QCOMPARE(host.latitude_origin, assigned.latitude_origin);
        QCOMPARE(host.standard_parallel_1, assigned.standard_parallel_1);
        QCOMPARE(host.standard_parallel_2, assigned.standard_parallel_2);
        QCOMPARE(host.scale_factor, assigned.scale_factor);
        QCOMPARE(host.false_east, assigned.false_east);
        QCOMPARE(host.false_north, assigned.false_north);
        QCOMPARE(host.zone_width, assigned.zone_width);

        std::array<double, kDerivedConstantCount> derived = assigned.derived;
        if (projection == kLocalGrid) {
            derived[0] = 0;
        } else {
            CRDPRM(&host.spheroid, &host.projection, &host.hemisphere, &host.longitude_origin,
                   &host.latitude_origin, &host.standard_parallel_1, &host.standard_parallel_2,
                   &host.false_east, &host.false_north, &host.scale_factor, &host.zone_width,
                   derived.data());
            QCOMPARE(derived[0], double(projection));
        }
        QVERIFY(host.derived == derived);
    }

    // Each user action on the entries tells the host once; the host's assignment does not.
    void user_edits_are_signalled_data() {
        QTest::addColumn<int>("edits");
        for (const char* action : {"assign", "type", "pick", "arrow", "reset"}) {
            QTest::newRow(action) << (QByteArray(action) == "assign" ? 0 : 1);
        }
    }
    void user_edits_are_signalled() {
        QFETCH(int, edits);
        const QByteArray action = QTest::currentDataTag();
        control_->show();
        QSignalSpy edited(control_.get(), &Projection::entriesEdited);
        assign(surveyed(kUniversalTransverseMercator));
        if (action == "type") {
            QTest::keyClicks(box("Text_false_east"), "1");
        } else if (action == "pick") {
            pick("Combo_spheroid", 3);
        } else if (action == "arrow") {
            QTest::mouseClick(find<QToolButton>("up"), Qt::LeftButton);
        } else if (action == "reset") {
            QTest::mouseClick(find<QPushButton>("Command_reset"), Qt::LeftButton);
        }
        QCOMPARE(edited.count(), edits);
    }

    // The typed surface: changes of the record are signalled, the validity query gives the
    // message a read shows without showing it, and a record that cannot be shown is kept with
    // its reason signalled rather than shown.
    void the_typed_surface_tells_the_host() {
        QSignalSpy changed(control_.get(), &Projection::coordinateSystemChanged);
        QSignalSpy not_shown(control_.get(), &Projection::coordinateSystemNotShown);
        control_->setCoordinateSystem(surveyed(kAustralianMapGrid));
        control_->setCoordinateSystem(surveyed(kAustralianMapGrid));
        QCOMPARE(changed.count(), 1);
        type("Text_zone_number", "0");
        QCOMPARE(control_->entriesProblem(), QStringLiteral("Zone number must be positive"));
        QVERIFY(messages_->messages().isEmpty());
        QVERIFY(!control_->acceptEntries());
        QCOMPARE(messages_->messages(), QStringList{*control_->entriesProblem()});
        type("Text_zone_number", "54");
        QCOMPARE(control_->entriesProblem(), std::nullopt);
        QVERIFY(control_->acceptEntries());
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(1).at(0).value<CoordSystem>(), control_->coordinateSystem());
        QCOMPARE(control_->coordinateSystem().zone_number, 54);
        QCOMPARE(control_->coordinateSystem().defined, kTrue);

        CoordSystem beyond = surveyed(kLambertConformal);
        beyond.projection = kProjectionCount;
        control_->setCoordinateSystem(beyond);
        QCOMPARE(control_->coordinateSystem().projection, kProjectionCount);
        QCOMPARE(not_shown.count(), 1);
        QVERIFY(not_shown.at(0).at(0).toString().startsWith("The projection 6 is not"));
        QCOMPARE(messages_->messages().size(), 1);
    }

    // A record from an edited settings file may name a projection the list does not hold.
    void a_projection_beyond_the_list_is_refused_data() {
        QTest::addColumn<int>("projection");
        QTest::newRow("6") << 6;
        QTest::newRow("7") << 7;
        QTest::newRow("largest") << INT32_MAX;
    }
    void a_projection_beyond_the_list_is_refused() {
        QFETCH(int, projection);
        assign(surveyed(kLambertConformal));
        CoordSystem record = surveyed(kLambertConformal);
        record.projection = projection;
        record.name = "edited";
        record.zone_number = 12;
        record.hemisphere = 0;
        const QString refusal =
            QStringLiteral("The projection %1 is not one of the projections this control knows")
                .arg(projection);
        QCOMPARE(assigned(record), refusal);
        QCOMPARE(list("Combo_projection")->currentIndex(), int(kLambertConformal));
        QCOMPARE(texts(), kSurveyedTexts);

        // Reset shows the same refusal to the user and changes nothing.
        QTest::mouseClick(find<QPushButton>("Command_reset"), Qt::LeftButton);
        QCOMPARE(messages_->messages(), QStringList{refusal});
        QCOMPARE(texts(), kSurveyedTexts);

        // Still usable: the lists fill in their defaults, and a read hands out what is shown,
        // with the assigned record's name.
        choose("Combo_projection", kAustralianMapGrid);
        QCOMPARE(box("Text_false_east")->text(), QStringLiteral("500000"));
        type("Text_zone_number", "54");
        CoordSystem host;
        QCOMPARE(control_->CoordinateSystem(host), 0);
        QCOMPARE(host.projection, int(kAustralianMapGrid));
        QCOMPARE(host.zone_number, 54);
        QCOMPARE(host.name, std::string("edited"));
        QCOMPARE(host.hemisphere, kSouthernHemisphere);
        assign(surveyed(kEquidistantConic));
        QCOMPARE(list("Combo_projection")->currentIndex(), int(kEquidistantConic));
    }
};

}  // namespace korv

QTEST_MAIN(korv::ProjectionTest)
#include "projection_test.moc"
