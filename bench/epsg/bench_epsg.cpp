// The EPSG lists against their time limits: opening either list, with the database read on that
// first use (300 ms), a search as the user types one more character (50 ms), and identifying a
// selected datum shift or an edited definition (20 ms), by the catalogue alone and through the
// dialog's path: a key typed into the Projection control or pressed on the datum shift drop-down,
// the line under it following. Run offscreen, or under xvfb-run with QT_QPA_PLATFORM=xcb for a
// real display.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <memory>

#include "form_projections.h"
#include "program_folder.h"
#include "proj_database_catalogue.h"
#include "settings_store.h"
#include "shift_picker_dialog.h"
#include "source_settings.h"
#include "system_picker_dialog.h"

namespace {

using korv::epsg::ProjDatabaseCatalogue;

// A new catalogue each time, so every opening reads the database as the first one of a run does.
template <typename Dialog>
void BM_open_list(benchmark::State& state) {
    for (auto _ : state) {
        const ProjDatabaseCatalogue catalogue;
        Dialog dialog(catalogue);
        dialog.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_open_list<korv::SystemPickerDialog>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_open_list<korv::ShiftPickerDialog>)->Unit(benchmark::kMillisecond);

const ProjDatabaseCatalogue& catalogue() {
    static const ProjDatabaseCatalogue read;
    return read;
}

// One keystroke of typing "MGA zone 55" into the open systems list, the list redrawn.
void BM_search_as_typed(benchmark::State& state) {
    korv::SystemPickerDialog dialog(catalogue());
    dialog.show();
    QLineEdit* search = dialog.findChild<QLineEdit*>(QStringLiteral("Text_search"));
    const QString typed = QStringLiteral("MGA zone 55");
    int length = 0;
    for (auto _ : state) {
        length = length % typed.size() + 1;
        search->setText(typed.left(length));
        QApplication::processEvents();
    }
}
BENCHMARK(BM_search_as_typed)->Unit(benchmark::kMillisecond);

void BM_identify_selected_shift(benchmark::State& state) {
    const korv::DatumShift seeded{
        "AGD66 to GDA 94", -117.808, -51.536, 137.784, -0.303, -0.446, -0.234, -0.29};
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogue().identify_shift(seeded));
    }
}
BENCHMARK(BM_identify_selected_shift)->Unit(benchmark::kMillisecond);

void BM_identify_edited_definition(benchmark::State& state) {
    const korv::CoordinateSystemDefinition amg55 = *catalogue().system_definition(20255);
    for (auto _ : state) {
        benchmark::DoNotOptimize(catalogue().matching_systems(amg55));
    }
}
BENCHMARK(BM_identify_edited_definition)->Unit(benchmark::kMillisecond);

// The dialog as the program starts it, on MGA zone 55, its settings and datum list in a folder of
// its own, the EPSG catalogue already in use (as it is after the first edit).
class DialogOnMgaZone55 {
public:
    DialogOnMgaZone55() {
        korv::set_settings_folder(folder_.path());
        korv::set_program_folder(folder_.path());
        korv::SettingsStore store(korv::kSettingsApplication);
        (void)korv::save_source_system(
            store, {"MGA zone 55",
                    {korv::kUniversalTransverseMercator, 12, korv::kSouthernHemisphere, -177, 0, 0,
                     0, 500000, 10000000, 0.9996, 6, 55}});
        form_.Form_Load();
        form_.show();
    }

    // Sends the key to the widget as the keyboard does, so the dialog's own handlers follow it.
    void press(const char* widget, int key, const QString& text = {}) {
        QWidget* target = form_.findChild<QWidget*>(QString::fromLatin1(widget));
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &event);
    }
    QString line(const char* name) {
        return form_.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

private:
    QTemporaryDir folder_;
    korv::Form_projections form_;
};

// One keystroke in the zone number, alternately deleting its last digit and typing it again.
void BM_identify_edited_definition_in_dialog(benchmark::State& state) {
    DialogOnMgaZone55 dialog;
    dialog.press("Text_zone_number", Qt::Key_End);
    bool typed = true;
    const auto keystroke = [&] {
        typed ? dialog.press("Text_zone_number", Qt::Key_Backspace)
              : dialog.press("Text_zone_number", Qt::Key_5, QStringLiteral("5"));
        typed = !typed;
        QApplication::processEvents();  // the line drawn anew
    };
    keystroke();  // the first edit binds the engine and reads the catalogue
    keystroke();
    for (auto _ : state) {
        keystroke();
    }
    if (!dialog.line("Label_epsg_system").startsWith(QStringLiteral("EPSG:"))) {
        state.SkipWithError("the line under the control names no system");
    }
}
BENCHMARK(BM_identify_edited_definition_in_dialog)->Unit(benchmark::kMillisecond);

// One arrow key on the datum shift drop-down, alternately selecting the two seeded entries.
void BM_identify_selected_entry_in_dialog(benchmark::State& state) {
    DialogOnMgaZone55 dialog;
    dialog.press("Combo_transform", Qt::Key_Down);  // binds the engine and reads the catalogue
    bool first = true;
    for (auto _ : state) {
        dialog.press("Combo_transform", first ? Qt::Key_Down : Qt::Key_Up);
        first = !first;
        QApplication::processEvents();
    }
    if (!dialog.line("Label_epsg_shift").startsWith(QStringLiteral("EPSG:"))) {
        state.SkipWithError("the line under the drop-down names no transformation");
    }
}
BENCHMARK(BM_identify_selected_entry_in_dialog)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
