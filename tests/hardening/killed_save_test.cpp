// The program killed while it saves "datum.csv". A child process loads a long list and saves it
// again and again, one entry's values changing between the old and the new list; the test kills
// it at random moments. After every kill the file holds the old list or the new one, whole.

#include <gtest/gtest.h>

#include <QDir>
#include <chrono>
#include <random>
#include <thread>

#include "child_process.h"
#include "datum_list.h"
#include "test_sandbox.h"

namespace korv {
namespace {

constexpr int kEntries = 1500;
constexpr int kKills = 30;
const DatumShift kOldValues{"Survey shift 1", 1, 2, 3, 0.1, 0.2, 0.3, 1};
const DatumShift kNewValues{"Survey shift 1", 9, 8, 7, 0.9, 0.8, 0.7, 9};

// The file the program writes for the list, with the first entry given.
std::string datum_file(const DatumShift& first) {
    std::string text = std::string(kDatumFileHeader) + "\r\n";
    for (int i = 1; i <= kEntries; ++i) {
        const DatumShift shift =
            i == 1
                ? first
                : DatumShift{
                      "Survey shift " + std::to_string(i), 1.0 * i, -2.0 * i, 3, 0.1, 0.2, 0.3, 1};
        text += format_datum_line(shift) + "\r\n";
    }
    return text;
}

TEST(KilledSave, LeavesTheOldOrTheNewListWhole) {
    testing::Sandbox sandbox;
    const std::string path = sandbox.path("datum.csv");
    const std::string old_file = datum_file(kOldValues);
    const std::string new_file = datum_file(kNewValues);
    testing::write_file(path, old_file);

    // Kills fall anywhere within the first few saves after the child has loaded the list, so
    // some find the old list in place and some the new one.
    const auto save_time = [&] {
        const std::string scratch = sandbox.path("scratch.csv");
        testing::write_file(scratch, old_file);
        DatumList list(scratch);
        list.load_datum_list();
        const auto start = std::chrono::steady_clock::now();
        (void)list.define_datum_shift(kNewValues);
        (void)list.define_datum_shift(kOldValues);
        QFile::remove(QString::fromStdString(scratch));
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now() - start) /
               2;
    }();
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int64_t> delay_us(0, 4 * save_time.count());
    int old_seen = 0;
    int new_seen = 0;
    int left_beside = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        testing::ChildProcess child([&] {
            DatumList list(path);
            list.load_datum_list();
            testing::signal_ready();
            for (bool to_new = true;; to_new = !to_new) {
                (void)list.define_datum_shift(to_new ? kNewValues : kOldValues);
            }
            return std::string();
        });
        ASSERT_TRUE(child.wait_until_ready());
        std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
        child.kill();
        const testing::ChildOutcome outcome = child.finish();
        ASSERT_EQ(outcome.signal, SIGKILL) << outcome.report;

        const std::string content = testing::read_file(path);
        ASSERT_TRUE(content == old_file || content == new_file)
            << "after kill " << kill << " the file holds " << content.size() << " bytes";
        (content == old_file ? old_seen : new_seen) += 1;

        // A save killed before its file replaced the old one may leave the unfinished copy
        // beside it; it is counted and removed.
        const QStringList beside =
            QDir(sandbox.folder()).entryList({"datum.csv.*"}, QDir::Files | QDir::Hidden);
        left_beside += static_cast<int>(beside.size());
        for (const QString& name : beside) {
            QFile::remove(QDir(sandbox.folder()).filePath(name));
        }
    }
    RecordProperty("save_time_us", static_cast<int>(save_time.count()));
    RecordProperty("old_list_after_kill", old_seen);
    RecordProperty("new_list_after_kill", new_seen);
    RecordProperty("unfinished_copies_left", left_beside);
    EXPECT_GT(old_seen, 0) << "every kill came after a save";
    EXPECT_GT(new_seen, 0) << "every kill came before the first save was in place";
}

}  // namespace
}  // namespace korv
