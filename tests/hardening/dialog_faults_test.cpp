// The dialog on a read-only program folder and on a full disk: the user edits a datum shift and
// the zone and presses "Done". Both "datum.csv" and the settings fail to be written; the user is
// told of each, and both files are as they were.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>

#include "child_process.h"
#include "datum_list.h"
#include "form_projections.h"
#include "read_only_folders.h"
#include "settings_store.h"
#include "source_settings.h"
#include "test_records.h"
#include "test_sandbox.h"

namespace korv {
namespace {

namespace fs = std::filesystem;

enum class Fault { kReadOnlyFolder, kFullDisk };

// Runs the dialog as a user would and returns the messages shown, one per line. `after_load`
// runs once the dialog has started.
std::string edit_and_press_done(const std::function<void()>& after_load = {}) {
    int argc = 1;
    char name[] = "hardening_tests";
    char* argv[] = {name, nullptr};
    // No display needed, wherever the test runs, and a runtime folder of the child's own user.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    QApplication application(argc, argv);
    testing::MessageRecorder messages;
    {
        Form_projections form;
        form.Form_Load();
        form.show();
        if (after_load) {
            after_load();
        }
        // The first entry after "None", picked with the arrow key.
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(form.findChild<QComboBox*>("Combo_transform"), &down);
        form.findChild<QLineEdit*>("Text_dz")->setText("139.0630");  // edited by 0.002
        form.findChild<QLineEdit*>("Text_zone_number")->setText("56");
        form.findChild<QPushButton*>("Command_done0")->click();
    }
    return messages.messages().join('\n').toStdString();
}

class DialogOnUnwritableFiles : public ::testing::TestWithParam<Fault> {
protected:
    testing::Sandbox sandbox_;
    testing::ReadOnlyFolders read_only_;  // made writable again before the sandbox goes
};

TEST_P(DialogOnUnwritableFiles, TellsTheUserAndKeepsBothFiles) {
    ASSERT_TRUE(testing::store_mga_zone55());
    const std::string datum_file = sandbox_.path("datum.csv");
    DatumList(datum_file).load_datum_list();  // the built-in entries
    const std::string datum_before = testing::read_file(datum_file);
    const std::string settings_before = testing::read_file(sandbox_.settings_file().toStdString());

    testing::ChildLimits limits;
    if (GetParam() == Fault::kReadOnlyFolder) {
        read_only_.add(sandbox_.folder().toStdString());
        read_only_.add(fs::path(sandbox_.settings_file().toStdString()).parent_path());
        limits.unprivileged = true;
    } else {
        limits.file_size = 16;
    }
    const testing::ChildOutcome outcome =
        testing::run_in_child([] { return edit_and_press_done(); }, limits);

    ASSERT_TRUE(outcome.completed) << "signal " << outcome.signal << ": " << outcome.report;
    const std::string datum_path = sandbox_.path("datum.csv");
    EXPECT_EQ(outcome.report,
              "The datum shift list could not be written to \"" + datum_path +
                  "\". \"AGD84 to GDA 94\" is used for this session only.\n"
                  "The source coordinate system could not be saved: the settings file " +
                  sandbox_.settings_file().toStdString() + " cannot be written.");
    EXPECT_EQ(testing::read_file(datum_file), datum_before);
    EXPECT_EQ(testing::read_file(sandbox_.settings_file().toStdString()), settings_before);
}

INSTANTIATE_TEST_SUITE_P(Faults, DialogOnUnwritableFiles,
                         ::testing::Values(Fault::kReadOnlyFolder, Fault::kFullDisk),
                         [](const ::testing::TestParamInfo<Fault>& info) {
                             return info.param == Fault::kReadOnlyFolder ? "read_only_folder"
                                                                         : "full_disk";
                         });

// A list that became unreadable after the dialog loaded it is never written over: "Done" with an
// edited entry tells the user and leaves it. The child owns the files, as a user does.
TEST(DialogOnAListThatBecameUnreadable, TellsTheUserAndLeavesIt) {
    testing::Sandbox sandbox;
    ASSERT_TRUE(testing::store_mga_zone55());
    const std::string datum_file = sandbox.path("datum.csv");
    DatumList(datum_file).load_datum_list();
    const std::string before = testing::read_file(datum_file);
    for (const fs::path& path : {fs::path(sandbox.folder().toStdString()), fs::path(datum_file),
                                 fs::path(datum_file).parent_path() / "Halvern",
                                 fs::path(sandbox.settings_file().toStdString())}) {
        ASSERT_TRUE(geteuid() != 0 || chown(path.c_str(), 65534, 65534) == 0) << path;  // nobody
    }
    testing::ChildLimits limits;
    limits.unprivileged = true;
    const testing::ChildOutcome outcome = testing::run_in_child(
        [&] { return edit_and_press_done([&] { chmod(datum_file.c_str(), 0200); }); }, limits);
    ASSERT_TRUE(outcome.completed) << "signal " << outcome.signal << ": " << outcome.report;
    EXPECT_EQ(outcome.report.find('"' + datum_file + "\" can no longer be read"), 0u);
    ASSERT_EQ(chmod(datum_file.c_str(), 0644), 0);
    EXPECT_EQ(testing::read_file(datum_file), before);
}

}  // namespace
}  // namespace korv
