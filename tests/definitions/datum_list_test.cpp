#include "datum_list.h"

#include <gtest/gtest.h>

#include <QDir>
#include <cmath>

#include "file_numbers.h"
#include "files.h"
#include "test_sandbox.h"

namespace korv {
namespace {

// What a change to the list came to.
std::string outcome(const Result<bool>& result) {
    if (!result) {
        return result.error().code == ErrorCode::kDatumListFull ? "list full" : "not saved";
    }
    return *result ? "saved" : "unchanged";
}

const std::string kBuiltInFile =
    "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\n"
    "AGD84 to GDA 94,-117.7630,-51.5100,139.0610,-2.9200e-01,-4.4300e-01,-2.7700e-01,-0.1910\r\n"
    "AGD66 to GDA 94,-117.8080,-51.5360,137.7840,-3.0300e-01,-4.4600e-01,-2.3400e-01,-0.2900\r\n";

class DatumListTest : public ::testing::Test {
protected:
    std::string file() const { return sandbox_.path("datum.csv"); }
    DatumList loaded() {
        DatumList list(file());
        list.load_datum_list();
        return list;
    }
    testing::Sandbox sandbox_;
};

TEST_F(DatumListTest, FirstStartWritesTheTwoBuiltInEntriesExactly) {
    const DatumList list = loaded();
    EXPECT_EQ(testing::read_file(file()), kBuiltInFile);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.entry(1).name, "AGD84 to GDA 94");
    EXPECT_EQ(list.entry(2).name, "AGD66 to GDA 94");
    EXPECT_EQ(list.entry(2).sc, -0.29);
    EXPECT_FALSE(file_exists(file() + ".bak")) << "nothing was replaced";
}

struct FileCase {
    const char* name;
    std::string content;
    bool replaced;  // by the built-in entries, the old content kept as datum.csv.bak
};

class DatumFiles : public DatumListTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(DatumFiles, UnusableFilesAreReplacedAndKept) {
    testing::write_file(file(), GetParam().content);
    const DatumList list = loaded();
    EXPECT_EQ(list.backup_made(),
              GetParam().replaced ? std::optional(file() + ".bak") : std::nullopt);
    if (GetParam().replaced) {
        EXPECT_EQ(testing::read_file(file()), kBuiltInFile);
        EXPECT_EQ(testing::read_file(file() + ".bak"), GetParam().content);
        EXPECT_EQ(list.count(), 2);
    } else {
        EXPECT_EQ(testing::read_file(file()), GetParam().content) << "a usable file is not written";
        EXPECT_FALSE(file_exists(file() + ".bak"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, DatumFiles,
    ::testing::Values(
        FileCase{"lower_case_header", "name,dx,dy,dz,rx,ry,rz,sc\nMine,1,2,3,4,5,6,7\n", false},
        FileCase{"header_with_other_words", "xNAMEx DXRX\r\nMine,1\r\n", false},
        FileCase{"header_without_rx", "Name,Dx,Dy,Dz\nMine,1,2,3,4,5,6,7\n", true},
        FileCase{"only_none_lines", "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\nNone,1\r\nNone\r\n\r\n", true},
        FileCase{"empty_file", "", true},
        FileCase{"garbage", std::string("\x00\xff\x01garbage\n\xfe", 12), true},
        FileCase{"only_a_header", "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\n", true}),
    [](const ::testing::TestParamInfo<FileCase>& info) { return info.param.name; });

TEST_F(DatumListTest, AnUnusableFileIsKeptBesideTheEarlierBackups) {
    testing::write_file(file() + ".bak", "first");
    testing::write_file(file() + ".bak2", "second");
    testing::write_file(file(), "third");
    EXPECT_EQ(loaded().backup_made(), file() + ".bak3");
    EXPECT_EQ(testing::read_file(file() + ".bak"), "first");
    EXPECT_EQ(testing::read_file(file() + ".bak2"), "second");
    EXPECT_EQ(testing::read_file(file() + ".bak3"), "third");
}

// Two copies of the program on one file: each change is made to the file as it is then.
TEST_F(DatumListTest, TwoListsOnOneFileKeepEachOthersChanges) {
    DatumList first = loaded();
    DatumList second = loaded();
    DatumShift edited = first.entry(1);
    edited.dz += 1;  // the line keeps its length
    ASSERT_EQ(outcome(first.define_datum_shift(edited)), "saved");
    EXPECT_EQ(outcome(second.define_datum_shift(second.entry(1))), "unchanged")
        << "an entry this list did not change is not written back";
    EXPECT_EQ(outcome(second.define_datum_shift({"Site B", 1})), "saved");
    EXPECT_TRUE(second.save_datum_list().ok());
    EXPECT_EQ(outcome(first.define_datum_shift({"Site A", 2})), "saved");
    const DatumList again = loaded();
    ASSERT_EQ(again.count(), 4);
    EXPECT_EQ(again.entry(1), edited);
    EXPECT_EQ(again.entry(3).name, "Site B");
    EXPECT_EQ(again.entry(4).name, "Site A");
}

TEST_F(DatumListTest, FieldsAreTrimmedAndAFieldAfterTheEighthIsIgnored) {
    testing::write_file(file(),
                        "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\n"
                        "  My shift  , 1.5 , -2 , 3e1 , -2.9200e-01 , 0 , 0 , 0.25 , extra,9\r\n"
                        "None of these\r\n"
                        "Short,7\r\n"
                        "NONE,1,1,1,1,1,1,1\r\n");
    const DatumList list = loaded();
    ASSERT_EQ(list.count(), 3);
    const DatumShift& mine = list.entry(1);
    EXPECT_EQ(mine.name, "My shift");
    EXPECT_EQ(mine, (DatumShift{"My shift", 1.5, -2, 30, -0.292, 0, 0, 0.25}));
    EXPECT_EQ(list.entry(2), (DatumShift{"Short", 7, 0, 0, 0, 0, 0, 0}))
        << "missing fields read as 0";
    EXPECT_EQ(list.entry(3).name, "NONE") << "only \"None\" with that case is skipped";
}

TEST_F(DatumListTest, AnEditWithinTheToleranceChangesNothing) {
    DatumList list = loaded();
    DatumShift edited = list.entry(1);
    edited.dz += 0.0005;
    EXPECT_EQ(outcome(list.define_datum_shift(edited)), "unchanged");
    edited.name = "agd84 to gda 94";
    edited.dz = 139.061 + 0.001;  // exactly 0.001 as typed counts as equal
    EXPECT_EQ(outcome(list.define_datum_shift(edited)), "unchanged");
    EXPECT_EQ(list.entry(1).dz, 139.061);
    EXPECT_EQ(testing::read_file(file()), kBuiltInFile);
}

TEST_F(DatumListTest, AnEditBeyondTheToleranceRewritesTheEntryOnItsOwnLine) {
    DatumList list = loaded();
    DatumShift edited = list.entry(1);
    edited.dz += 0.002;
    EXPECT_EQ(outcome(list.define_datum_shift(edited)), "saved");
    std::string expected = kBuiltInFile;
    expected.replace(expected.find("139.0610"), 8, "139.0630");
    EXPECT_EQ(testing::read_file(file()), expected);
    EXPECT_EQ(list.count(), 2);
}

TEST_F(DatumListTest, NamesDifferingInCaseAlwaysUpdateTheFirst) {
    testing::write_file(file(), "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\nlocal,1\nLOCAL,2\n");
    DatumList list = loaded();
    EXPECT_EQ(outcome(list.define_datum_shift({"Local", 5})), "saved");
    EXPECT_EQ(list.entry(1).name, "Local") << "the name is stored as given";
    EXPECT_EQ(list.entry(1).dx, 5);
    EXPECT_EQ(list.entry(2).dx, 2);
    // An edit of an entry picked from the list goes to that entry.
    const DatumShift picked = list.entry(2);
    ASSERT_TRUE(list.edit_entry({2, picked, {picked.name, 7}}).ok());
    EXPECT_EQ(list.entry(1).dx, 5);
    EXPECT_EQ(list.entry(2).dx, 7);
}

TEST_F(DatumListTest, NewNamesGoAtTheEndAndEmptyNamesAreIgnored) {
    DatumList list = loaded();
    EXPECT_EQ(outcome(list.define_datum_shift({"   ", 1})), "unchanged");
    EXPECT_EQ(outcome(list.define_datum_shift({" Site A ", 1, 2, 3})), "saved");
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.entry(3).name, " Site A ");
    EXPECT_NE(testing::read_file(file()).find("\r\nSite A,1.0000,2.0000,3.0000,0.0000e+00"),
              std::string::npos)
        << "the name is written trimmed";
}

TEST_F(DatumListTest, AFolderThatCannotBeWrittenLeavesTheBuiltInsInMemory) {
    DatumList list(sandbox_.path("no such folder/datum.csv"));
    list.load_datum_list();
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.entry(1).name, "AGD84 to GDA 94");
    EXPECT_EQ(outcome(list.define_datum_shift({"New", 1})), "not saved");
    EXPECT_EQ(list.count(), 3) << "the new entry is usable for the run";
}

TEST_F(DatumListTest, AFileThatCannotBeReadIsNeverWrittenOver) {
    QDir(sandbox_.folder()).mkdir("datum.csv");  // a folder where the file should be
    DatumList list(file());
    list.load_datum_list();
    EXPECT_EQ(list.count(), 2);
    EXPECT_FALSE(list.save_datum_list().ok());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(file())).isDir());
}

TEST_F(DatumListTest, TheListHoldsAtMostWhatTheDropDownTakes) {
    std::string content = "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\n";
    for (int i = 1; i <= DatumList::kMaxEntries; ++i) {
        content += "S" + std::to_string(i) + ",1,2,3,0,0,0,0\r\n";
    }
    testing::write_file(file(), content);
    DatumList full = loaded();
    ASSERT_EQ(full.count(), DatumList::kMaxEntries);
    EXPECT_EQ(outcome(full.define_datum_shift({"One more"})), "list full");
    EXPECT_EQ(outcome(full.define_datum_shift({"S7", 9})), "saved")
        << "existing entries can still be edited";

    testing::write_file(file(), content + "Beyond,1,2,3,0,0,0,0\r\n");
    DatumList over = loaded();
    EXPECT_EQ(over.count(), DatumList::kMaxEntries);
    EXPECT_FALSE(over.save_datum_list().ok())
        << "writing would lose the entry the list could not hold";
    EXPECT_NE(testing::read_file(file()).find("Beyond"), std::string::npos);
}

TEST_F(DatumListTest, WhatALoadedListHoldsIsSavedSoThatItLoadsTheSame) {
    testing::write_file(file(),
                        "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\n"
                        "  None of yours  ,1\r\n"
                        "Big,1e999,-1e999,3\r\n" +
                            std::string(20000, 'A') + ",5\r\n");
    DatumList list = loaded();
    ASSERT_EQ(list.count(), 4);  // the over-long line is cut by the reader into two entries
    EXPECT_EQ(list.entry(1).name, "None of yours");
    EXPECT_EQ(list.entry(2), (DatumShift{"Big", 0, 0, 3}))
        << "numbers too large for a double read 0";
    // The reader cut the line after 10240 characters: the first piece's name is cut where its
    // line, written with its numbers, fits; the rest of the line is a name kept whole.
    const size_t room = kLongestDatumLine - format_datum_line(parse_datum_line(",1")).size();
    EXPECT_EQ(list.entry(3).name.size(), room);
    EXPECT_EQ(list.entry(4).name.size(), 20000 - kLongestDatumLine);
    EXPECT_EQ(parse_datum_line(std::string(room - 1, 'B') + "  C,1").name.size(), room - 1)
        << "a name cut within blanks is trimmed again";
    EXPECT_EQ(format_datum_line(parse_datum_line(std::string(10000, 'N') + ",1e300")).size(),
              kLongestDatumLine)
        << "a name is cut to make room for long numbers";
    ASSERT_TRUE(list.save_datum_list().ok());
    EXPECT_NE(testing::read_file(file()).find("\r\n None of yours,1.0000,"), std::string::npos);

    const DatumList again = loaded();
    ASSERT_EQ(again.count(), list.count());
    for (int32_t k = 1; k <= list.count(); ++k) {
        EXPECT_EQ(again.entry(k).name, list.entry(k).name);
        EXPECT_EQ(format_datum_line(again.entry(k)), format_datum_line(list.entry(k)));
    }
}

TEST_F(DatumListTest, AnEntryWithAnEmptyNameLoadsFromABlankLine) {
    testing::write_file(file(), "Name,Dx,Dy,Dz,Rx,Ry,Rz,Sc\r\n   \r\n");
    const DatumList list = loaded();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.entry(1).name, "");
}

// An independent check of "Calculate Inverse": the forward shift followed by the inverse shift,
// both applied as X' = t + s * M * X with M built from the rotations here, must give back the
// starting point to well under a millimetre.
TEST(DatumShiftTest, TheInverseUndoesTheShift) {
    const double arc_second = M_PI / (180.0 * 3600.0);
    auto apply = [&](const DatumShift& v, const std::array<double, 3>& x) {
        const double rx = v.rx * arc_second, ry = v.ry * arc_second, rz = v.rz * arc_second;
        const double m[3][3] = {{1, rz, -ry}, {-rz, 1, rx}, {ry, -rx, 1}};
        const double s = 1 + v.sc / 1e6;
        const double t[3] = {v.dx, v.dy, v.dz};
        std::array<double, 3> y{};
        for (int i = 0; i < 3; ++i) {
            y[i] = t[i] + s * (m[i][0] * x[0] + m[i][1] * x[1] + m[i][2] * x[2]);
        }
        return y;
    };
    const std::array<double, 3> start = {-4052051.7643, 4212836.2017, -2545106.0245};
    for (const DatumShift& shift : built_in_datum_shifts()) {
        const DatumShift inverse = shift.inverted();
        EXPECT_EQ(inverse.name, shift.name + " Inverse");
        const std::array<double, 3> back = apply(inverse, apply(shift, start));
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(back[i], start[i], 1e-4) << shift.name << " axis " << i;
        }
    }
    const DatumShift inverse84 = built_in_datum_shifts()[0].inverted();
    EXPECT_EQ(inverse84.rx, 0.292);
    EXPECT_NEAR(inverse84.sc, 0.191, 1e-4);
}

}  // namespace
}  // namespace korv
