// "Convert File..." on the conversion test panel: a converted file gives for every point what the
// panel's own buttons show for it, a cancelled conversion, one that converts no point and one
// whose output is its input leave the files as they were, the summary groups its digits, and a
// user gets from the button to the summary with answered file dialogs and the keyboard.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cmath>

#include "angle_text.h"
#include "conversion_engine_binding.h"
#include "conversion_test_panel.h"
#include "file_conversion.h"
#include "file_dialog.h"
#include "form_projections.h"
#include "test_records.h"
#include "test_sandbox.h"

namespace korv {
namespace {

using convert::PointKind;
using Point = QStringList;  // two values and a height

bool is_grid(int at) {
    return at == 0 || at == 3;
}

}  // namespace

class FileConversionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::Sandbox> sandbox_;
    std::unique_ptr<testing::MessageRecorder> messages_;
    std::unique_ptr<Form_projections> form_;

    template <typename T = QLineEdit>
    T* find(const QString& name) {
        return form_->findChild<T*>(name);
    }
    QLineEdit* box(const char* name, int at) { return find(name + QString::number(at / 2)); }

    // MGA zone 55 stored, the shift at `position` of the list taken by "Test Transform". A stale
    // map side: the map keeps that definition while the source moves to zone 54 on the
    // Australian National Spheroid, the shift still current (its name cleared takes no new one).
    void start(int position, bool stale_map) {
        QVERIFY(testing::store_mga_zone55());
        form_ = std::make_unique<Form_projections>();
        form_->Form_Load();
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        auto* shifts = find<QComboBox>("Combo_transform");
        shifts->setCurrentIndex(position);
        emit shifts->activated(position);
        form_->Command_done_Click(1);
        if (stale_map) {
            find<ConversionTestPanel>("Frame_transform_test")->Command_done_test_Click();
            find("Text_zone_number")->setText("54");
            auto* spheroids = find<QComboBox>("Combo_spheroid");
            spheroids->setCurrentIndex(spheroids->findData(1));
            QTest::keyClick(shifts->lineEdit(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(shifts->lineEdit(), Qt::Key_Delete);
            form_->Command_done_Click(1);
        }
        QVERIFY2(messages_->messages().isEmpty(), qPrintable(messages_->messages().join("; ")));
    }

    // The point typed at `from` and carried to `to` by the panel's buttons.
    Point panel_path(PointKind from, PointKind to, const Point& point) {
        auto* panel = find<ConversionTestPanel>("Frame_transform_test");
        const int first = static_cast<int>(from), last = static_cast<int>(to);
        box(is_grid(first) ? "Text_east" : "Text_lon", first)->setText(point[0]);
        box(is_grid(first) ? "Text_north" : "Text_lat", first)->setText(point[1]);
        box("Text_elevation", first)->setText(point[2]);
        const int step = first < last ? 1 : -1;
        for (int at = first; at != last; at += step) {
            const int left = std::min(at, at + step);
            if (left == 1) {
                panel->Command_transform_Click(step > 0 ? 0 : 1);
            } else if ((left == 0) == (step > 0)) {
                panel->Command_grid_to_geo_Click(left / 2);
            } else {
                panel->Command_geo_to_grid_Click(left / 2);
            }
        }
        return {box(is_grid(last) ? "Text_east" : "Text_lon", last)->text(),
                box(is_grid(last) ? "Text_north" : "Text_lat", last)->text(),
                box("Text_elevation", last)->text()};
    }

    // Answers the file dialogs with `input` and `output`, then presses "Convert File...".
    void convert_file(const QString& input, const QString& output) {
        set_file_dialog([=](const FileDialogRequest& request) -> std::optional<QString> {
            const bool open = request.kind == FileDialogRequest::Kind::kOpen;
            return request.filter == "Text files (*.txt);;CSV files (*.csv);;All files (*)"
                       ? std::optional(open ? input : output)
                       : std::nullopt;
        });
        // Tab from the map side's last button reaches "Convert File...", then "Done"; the space
        // bar presses it.
        find<QPushButton>("Command_grid_to_geo1")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* button = QApplication::focusWidget();
        QCOMPARE(button->objectName(), QStringLiteral("Command_convert_file"));
        QTest::keyClick(button, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command_done_test"));
        QTest::keyClick(button, Qt::Key_Space);
        set_file_dialog({});
    }

    // Works the dialog of the two points with the keys, once it is open.
    static void press_on_points_dialog(const QList<int>& keys) {
        QTimer::singleShot(0, [keys] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog != nullptr && dialog->objectName() == "Form_convert_points");
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            for (int key : keys) {
                QTest::keyClick(dialog->focusWidget(), static_cast<Qt::Key>(key));
            }
        });
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

    void every_point_agrees_with_the_panel_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("shift");
        QTest::addColumn<bool>("stale_map");
        QTest::newRow("source grid to map lat/lon, AGD66") << 0 << 2 << 2 << false;
        QTest::newRow("map grid to source grid, AGD66") << 3 << 0 << 2 << false;
        QTest::newRow("source lat/lon to map grid, None") << 1 << 3 << 0 << false;
        QTest::newRow("map lat/lon to source lat/lon, AGD66") << 2 << 1 << 2 << false;
        QTest::newRow("source grid to map grid, stale map") << 0 << 3 << 2 << true;
        QTest::newRow("map grid to source lat/lon, stale map") << 3 << 1 << 2 << true;
    }
    void every_point_agrees_with_the_panel() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, shift);
        QFETCH(bool, stale_map);
        start(shift, stale_map);
        const QList<Point> points =
            is_grid(from) ? QList<Point>{{"273741.2966", "5796489.7769", "12.5"},
                                         {"712345.678", "5912345.678", "-30"}}
                          : QList<Point>{{"144.424867", "-37.951034", "12.5"}, {"141", "-33", "0"}};
        QString input;
        for (const Point& p : points) {
            input += "p " + p.join(' ') + "\n";
        }
        const std::string input_path = sandbox_->path("in.txt"), output = sandbox_->path("out.txt");
        testing::write_file(input_path, input.toStdString());
        const Result<convert::ConversionSetup> setup = panel_conversion_setup(
            form_->state(), static_cast<PointKind>(from), static_cast<PointKind>(to));
        const Result<convert::ConversionEngine*> engine = conversion_engine();
        QVERIFY(setup.ok() && engine.ok());
        const std::atomic<bool> cancel{false};
        const Result<convert::FileConversionReport> report =
            (*engine)->convert_file({*setup, input_path, output}, {}, cancel);
        QVERIFY(report.ok() && report->refused == 0);

        const QStringList lines = QString::fromStdString(testing::read_file(output)).split('\n');
        for (qsizetype i = 0; i < points.size(); ++i) {
            const Point panel =
                panel_path(static_cast<PointKind>(from), static_cast<PointKind>(to), points[i]);
            QVERIFY2(messages_->messages().isEmpty(), qPrintable(messages_->messages().join(";")));
            const QStringList file = lines[i].split(' ');
            // Each side within half of its last digit: 0.1 m and 1e-4 m on the grid and in
            // height, 1e-5 arc seconds and 1e-9 degrees for angles.
            for (int k = 0; k < 3; ++k) {
                const bool angle = k < 2 && !is_grid(to);
                const double shown =
                    angle ? *angle_from_text(panel[k].toStdString()) : panel[k].toDouble();
                const double tolerance = angle ? 0.5e-5 / 3600 + 0.5e-9 : 0.05 + 0.00005;
                QVERIFY2(std::fabs(file[k + 1].toDouble() - shown) <= tolerance,
                         qPrintable(file.join(' ') + " against " + panel[k]));
            }
        }
    }

    void a_cancelled_conversion_leaves_the_earlier_file() {
        start(2, false);
        // A pipe as the input: the conversion waits for lines until it is cancelled.
        const std::string fifo = sandbox_->path("points.txt"), output = sandbox_->path("out.txt");
        QCOMPARE(mkfifo(fifo.c_str(), 0600), 0);
        testing::write_file(output, "earlier\n");
        press_on_points_dialog({Qt::Key_Return});
        convert_file(QString::fromStdString(fifo), QString::fromStdString(output));
        const int writer = open(fifo.c_str(), O_WRONLY);
        QVERIFY(writer >= 0);
        const QByteArray lines = QByteArray("p 273741.2966 5796489.7769 12.5\n").repeated(60000);
        QCOMPARE(write(writer, lines.data(), lines.size()), static_cast<ssize_t>(lines.size()));
        QProgressDialog* progress = form_->findChild<QProgressDialog*>();
        QVERIFY(progress != nullptr);
        QTRY_VERIFY(progress->isVisible() && progress->labelText().contains("Points so far"));
        // Converted points are on their way beside the target.
        QCOMPARE(QDir(sandbox_->folder()).entryList({"out.txt.*.part"}).size(), 1);
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        close(writer);
        QTRY_VERIFY(find<QPushButton>("Command_convert_file")->isEnabled());
        QCOMPARE(testing::read_file(output), std::string("earlier\n"));
        QCOMPARE(QDir(sandbox_->folder()).entryList({"out.txt.*"}), QStringList{});
        QVERIFY(messages_->messages().isEmpty());
    }

    // Outputs that must not be harmed: the input under another name, and an earlier file when
    // no point converts, named in the message as {in} and {out}.
    void an_output_is_never_harmed_data() {
        QTest::addColumn<bool>("hard_link");
        QTest::addColumn<QString>("message");
        QTest::newRow("the input under another name")
            << true
            << "The file could not be converted: the file to write, {out}, is the file of points, "
               "{in}; choose another file to write";
        QTest::newRow("no point converted")
            << false
            << "Points converted: 0 of 1\nNothing was written to \"{out}\"\n\nLines refused: 1\n"
               "line 1: the easting is not a number";
    }
    void an_output_is_never_harmed() {
        QFETCH(bool, hard_link);
        QFETCH(QString, message);
        start(0, false);
        const std::string input = sandbox_->path("in.txt"), output = sandbox_->path("out.txt");
        testing::write_file(input, "x 5810000\n");
        if (hard_link) {
            QCOMPARE(link(input.c_str(), output.c_str()), 0);
        } else {
            testing::write_file(output, "earlier\n");
        }
        press_on_points_dialog({Qt::Key_Return});
        convert_file(QString::fromStdString(input), QString::fromStdString(output));
        message.replace("{out}", QString::fromStdString(output));
        QTRY_COMPARE(messages_->messages(),
                     QStringList{message.replace("{in}", QString::fromStdString(input))});
        QCOMPARE(testing::read_file(input), std::string("x 5810000\n"));
        QCOMPARE(testing::read_file(output), hard_link ? "x 5810000\n" : "earlier\n");
    }

    void the_summary_groups_digits_data() {
        QTest::addColumn<quint64>("points");
        QTest::addColumn<QString>("counts");
        QTest::newRow("hundreds") << quint64{123} << "123 of 123";
        QTest::newRow("millions") << quint64{1234567}
                                  << "1\u00A0234\u00A0567 of 1\u00A0234\u00A0567";
    }
    void the_summary_groups_digits() {
        QFETCH(quint64, points);
        QFETCH(QString, counts);
        QCOMPARE(FileConversion::summary({points, 0, {}, false}, "out.txt"),
                 "Points converted: " + counts + "\nWritten to \"out.txt\"");
    }

    void convert_file_with_the_keyboard_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("summary");  // %1: the output file
        QTest::addColumn<QByteArray>("output");
        // From "source grid" down to "source lat/lon", across to the "to" list (on "map
        // lat/lon"), down to "map grid", Enter.
        QTest::newRow("picked and taken")
            << QList<int>{Qt::Key_Down, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return}
            << "Points converted: 1 of 2\nWritten to \"%1\"\n\nLines refused: 1\n"
               "line 2: the latitude is no angle"
            << QByteArray("A 273741.2203 5796489.7100 5.0000\r\nB * *\r\n# done\r\n");
        QTest::newRow("escape") << QList<int>{Qt::Key_Down, Qt::Key_Escape} << QString()
                                << QByteArray();
    }
    void convert_file_with_the_keyboard() {
        QFETCH(QList<int>, keys);
        QFETCH(QString, summary);
        QFETCH(QByteArray, output);
        start(0, false);
        const std::string input = sandbox_->path("in.txt"), written = sandbox_->path("out.txt");
        testing::write_file(input, "A 144.424867 -37.951034 5\r\nB 145 south\r\n# done\r\n");
        press_on_points_dialog(keys);
        convert_file(QString::fromStdString(input), QString::fromStdString(written));
        if (!summary.isEmpty()) {
            QTRY_COMPARE(messages_->messages(),
                         QStringList{summary.arg(QString::fromStdString(written))});
        }
        QCOMPARE(QByteArray::fromStdString(testing::read_file(written)), output);
    }
};

}  // namespace korv

QTEST_MAIN(korv::FileConversionTest)
#include "file_conversion_test.moc"
