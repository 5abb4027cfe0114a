// SPDX-License-Identifier: AGPL-3.0-or-later
// kelvra-cli --people: options, exit codes, what goes to which stream.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

using kelvra::testing::Outcome;
using kelvra::testing::Slurp;

// Two good records, a third repeating the first, and one born before 1900.
const char* const kAaf =
    "#A93:Beispiel,Jonas,m,27.9.1970,11:04,Kandel/Pfalz,D\r\n"
    "#B93:*,49n05,8e11,1he,0\r\n"
    "#ZNAM:Europe/Berlin\r\n"
    "#A93:*,Vera Primer,f,23.2.1968,20:16,Samokov,BG\r\n"
    "#B93:*,42n20,23e33,2he00,0\r\n"
    "#A93:Beispiel,Jonas,m,27.9.1970,11:04,Kandel/Pfalz,D\r\n"
    "#B93:*,49n05,8e11,1he,0\r\n"
    "#A93:Alt,Otto,m,1.1.1850,12:00,Wien,A\r\n"
    "#B93:*,48n12,16e22,1he,0\r\n";

class PeopleCli : public kelvra::testing::CliFolderTest {
 protected:
  // Runs in the test's folder, so that file names in messages are short.
  Outcome Run(const std::string& args) {
    const std::string command = "cd '" + dir_ + "' && LANG=C LC_ALL=C '" KELVRA_CLI_PATH "' " + args +
                                " >'" + dir_ + "out' 2>'" + dir_ + "err'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(dir_ + "out"), Slurp(dir_ + "err")};
  }

  void Write(const std::string& name, const std::string& text) {
    std::ofstream(dir_ + name, std::ios::binary) << text;
  }

  bool Exists(const std::string& name) const { return std::filesystem::exists(dir_ + name); }
};

TEST_F(PeopleCli, OptionCombinationsAndExitCodes) {
  Write("people.aaf", kAaf);
  Write("good.CSV", "name,sex,day,month,year,hour,minute,second,lat_deg,lat_min,lat_dir,long_deg,long_min,long_dir,"
                    "city,state,country\r\nAnn,female,2,11,1950,3,0,0,33,52,S,151,12,E,Sydney,NSW,AU\r\n");
  Write("couples.csv", "male_name\r\n");
  Write("notes.txt", "hello\n");
  Write("junk.sqlite", std::string(4096, 'x'));
  const struct {
    std::string args;
    int code;
    bool makesLibrary;  // whether lib.sqlite exists afterwards
  } cases[] = {
      {"--people lib.sqlite --list", 0, true},
      {"--people=lib.sqlite --import good.CSV", 0, true},
      {"--people lib.sqlite --import people.aaf", 1, true},
      {"--people lib.sqlite --export out.AAF", 0, true},
      {"--people lib.sqlite --export out.csv", 0, true},
      {"--list", 2, false},
      {"--import people.aaf", 2, false},
      {"--people lib.sqlite", 2, false},
      {"--people", 2, false},
      {"--people lib.sqlite --import", 2, false},
      {"--people lib.sqlite --list --list", 2, false},
      {"--people lib.sqlite --list --import people.aaf", 2, false},
      {"--people lib.sqlite --import people.aaf --export out.csv", 2, false},
      {"--people lib.sqlite --list --format csv", 2, false},
      {"--people lib.sqlite --list --jobs 2", 2, false},
      {"--people lib.sqlite --list --true-ut", 2, false},
      {"--people lib.sqlite --list couples.csv", 2, false},
      {"--people lib.sqlite --import notes.txt", 2, false},
      {"--people lib.sqlite --export out.txt", 2, false},
      {"--people lib.sqlite --import missing.aaf", 2, false},
      {"--people lib.sqlite --import .", 2, false},
      {"--people junk.sqlite --list", 2, false},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(dir_ + "lib.sqlite");
    const Outcome outcome = Run(c.args);
    EXPECT_EQ(outcome.code, c.code) << c.args << "\n" << outcome.err;
    EXPECT_EQ(Exists("lib.sqlite"), c.makesLibrary) << c.args;
    if (c.code == 0) {
      EXPECT_EQ(outcome.err, "") << c.args;
    } else if (c.code == 2) {
      EXPECT_EQ(outcome.err.rfind("kelvra-cli: ", 0), 0U) << c.args << "\n" << outcome.err;
    }
  }
  EXPECT_EQ(Slurp(dir_ + "junk.sqlite"), std::string(4096, 'x'));
}

TEST_F(PeopleCli, ImportRefusesAndSkipsRecordsAloneOnStandardError) {
  Write("people.aaf", kAaf);
  const Outcome imported = Run("--people lib.sqlite --import people.aaf");
  EXPECT_EQ(imported.code, 1);
  EXPECT_EQ(imported.err, "people.aaf:6: record 3: skipped: the same birth as record 1 of this file\n"
                          "people.aaf:8: record 4: The year 1850 is outside 1900 to 2050.\n");
  const Outcome listed = Run("--people lib.sqlite --list");
  EXPECT_EQ(listed.code, 0);
  EXPECT_EQ(listed.err, "");
  EXPECT_EQ(listed.out,
            "name,sex,day,month,year,hour,minute,second,lat_deg,lat_min,lat_dir,long_deg,long_min,long_dir,city,"
            "state,country,tz,utc_offset,notes\r\n"
            "Jonas Beispiel,male,27,9,1970,11,4,0,49,5,N,8,11,E,Kandel/Pfalz,,D,Europe/Berlin,,\r\n"
            "Vera Primer,female,23,2,1968,20,16,0,42,20,N,23,33,E,Samokov,,BG,,+02:00,\r\n");

  // Again: every record is now saved, so all are skipped and one refused.
  const Outcome again = Run("--people lib.sqlite --import people.aaf");
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.err.find("people.aaf:1: record 1: "), std::string::npos) << again.err;
  EXPECT_EQ(Run("--people lib.sqlite --list").out, listed.out);
}

TEST_F(PeopleCli, ExportThenImportGivesTheSameListing) {
  Write("people.aaf", kAaf);
  Run("--people lib.sqlite --import people.aaf");
  const std::string listing = Run("--people lib.sqlite --list").out;
  for (const std::string file : {"copy.aaf", "copy.csv"}) {
    SCOPED_TRACE(file);
    ASSERT_EQ(Run("--people lib.sqlite --export " + file).code, 0);
    std::filesystem::remove(dir_ + "new.sqlite");
    const Outcome imported = Run("--people new.sqlite --import " + file);
    EXPECT_EQ(imported.code, 0) << imported.err;
    EXPECT_EQ(imported.err, "");
    EXPECT_EQ(Run("--people new.sqlite --list").out, listing);
  }
}

TEST_F(PeopleCli, AFailedExportLeavesNoTemporaryFile) {
  Write("people.aaf", kAaf);
  Run("--people lib.sqlite --import people.aaf");
  // A folder in the target's place: the rename fails after the whole file was written.
  std::filesystem::create_directory(dir_ + "taken.csv");
  std::filesystem::create_directory(dir_ + "taken.csv/inside");
  const Outcome outcome = Run("--people lib.sqlite --export taken.csv");
  EXPECT_EQ(outcome.code, 2);
  EXPECT_EQ(outcome.err.rfind("kelvra-cli: cannot write to taken.csv: ", 0), 0U) << outcome.err;
  for (const auto& entry : std::filesystem::directory_iterator(dir_))
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
  EXPECT_EQ(Run("--people lib.sqlite --export missing/folder/out.csv").code, 2);
}

}  // namespace
