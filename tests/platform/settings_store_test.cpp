#include "settings_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDevice>
#include <filesystem>

#include "test_sandbox.h"

namespace korv {
namespace {

const QString kApplication = QStringLiteral("Halvern\\Quarrtool");
const QString kSection = QStringLiteral("Projection");

TEST(SettingsStore, MissingEntryGivesTheFallback) {
    testing::Sandbox sandbox;
    const SettingsStore store(kApplication);
    EXPECT_EQ(store.get(kSection, "Name", "<no value>"), "<no value>");
}

TEST(SettingsStore, ValuesComeBackAsWrittenWithLeadingBlanksAndSemicolons) {
    testing::Sandbox sandbox;
    const QString values[] = {" 12; 2; 2;-177; 0; 0; 0", "  name with blanks  ", ";x;", ""};
    for (const QString& value : values) {
        {
            SettingsStore store(kApplication);
            store.set(kSection, "Key", value);
            ASSERT_TRUE(store.commit().ok());
        }
        const SettingsStore reopened(kApplication);
        EXPECT_EQ(reopened.get(kSection, "Key", "<no value>"), value);
    }
    EXPECT_TRUE(QFile::exists(sandbox.settings_file()));
}

TEST(SettingsStore, WriteToAReadOnlyFolderIsReportedAndKeepsTheOldValues) {
    if (geteuid() == 0) {
        // root writes through folder permissions; a read-only file system is not available here.
        GTEST_SKIP() << "permissions do not bind the superuser";
    }
    testing::Sandbox sandbox;
    {
        SettingsStore store(kApplication);
        store.set(kSection, "Name", "first");
        ASSERT_TRUE(store.commit().ok());
    }
    const std::filesystem::path folder =
        std::filesystem::path(sandbox.folder().toStdString()) / "Halvern";
    std::filesystem::permissions(
        folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    SettingsStore store(kApplication);
    store.set(kSection, "Name", "second");
    EXPECT_FALSE(store.commit().ok());
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    EXPECT_EQ(SettingsStore(kApplication).get(kSection, "Name", ""), "first");
}

TEST(SettingsStore, AStoreThatIsAFolderIsReportedOnWrite) {
    testing::Sandbox sandbox;
    // A folder where the settings file should be: no user can write over it, root included.
    std::filesystem::create_directories(sandbox.settings_file().toStdString());
    SettingsStore store(kApplication);
    EXPECT_EQ(store.get(kSection, "Name", "<no value>"), "<no value>");
    store.set(kSection, "Name", "x");
    EXPECT_FALSE(store.commit().ok());
}

TEST(SettingsStore, AnOversizedStoreIsKeptAsBackupAndStartsEmpty) {
    testing::Sandbox sandbox;
    std::filesystem::create_directories(sandbox.path("Halvern"));
    const std::string damaged =
        "[Projection]\nName=\"" + std::string(2 * 1024 * 1024, 'x') + "\"\n";
    testing::write_file(sandbox.settings_file().toStdString(), damaged);
    SettingsStore store(kApplication);
    EXPECT_EQ(store.get(kSection, "Name", "<no value>"), "<no value>");
    EXPECT_EQ(testing::read_file(sandbox.settings_file().toStdString() + ".bak"), damaged);
    store.set(kSection, "Name", "fresh");
    EXPECT_TRUE(store.commit().ok());
    EXPECT_EQ(SettingsStore(kApplication).get(kSection, "Name", ""), "fresh");
}

}  // namespace
}  // namespace korv
