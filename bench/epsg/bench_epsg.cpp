// The EPSG lists against their time limits: opening either list, with the database read on that
// first use (300 ms), a search as the user types one more character (50 ms), and identifying a
// selected datum shift or an edited definition (20 ms). Run offscreen, or under xvfb-run with
// QT_QPA_PLATFORM=xcb for a real display.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <memory>

#include "proj_database_catalogue.h"
#include "shift_picker_dialog.h"
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
