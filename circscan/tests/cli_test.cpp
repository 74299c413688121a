// The program as a user runs it: exit codes, what goes to stdout and to
// stderr, and shards merged through files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class Cli : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("circscan_cli_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Arguments are passed through the shell as written.
  Outcome Run(const std::string& arguments) {
    const std::string command = std::string("'") + CIRCSCAN_PATH + "' " + arguments + " >'" +
                                (dir_ / "out").string() + "' 2>'" + (dir_ / "err").string() +
                                "' </dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(dir_ / "out"), Slurp(dir_ / "err")};
  }

  fs::path dir_;
};

TEST_F(Cli, BadInputExitsWithTwoAMessageAndTheUsageLineAndNoOutput) {
  for (const char* arguments : {"best --n 0..10 --k 2",
                                "best --n 9..3 --k 2",
                                "best --n 5..10 --k 0",
                                "best --n 5..10 --k 6",
                                "best --n 5-10 --k 2",
                                "best --n 5..10 --k 2 --frobnicate",
                                "best --n 5..10 --k 2 --by median",
                                "best --n 5..10 --k 2 --format xml",
                                "best --n 5..10 --k 2 --shard 4/3 --format json",
                                "best --n 5..10 --k 2 --shard 1/3",
                                "best --n 5..10 --k 2 --threads 0",
                                "best --k 2",
                                "largest --k 0 --diameter 2..3",
                                "largest --k 3 --diameter 3..2",
                                "largest --k 30 --diameter 30",
                                "analyze 12 \"2 4\"",
                                "analyze 1 1",
                                "analyze x 1",
                                "analyze 10 \"1 y\"",
                                "analyze 10",
                                "merge",
                                "merge /nonexistent/part1.json",
                                "frobnicate",
                                ""}) {
    const Outcome o = Run(arguments);
    EXPECT_EQ(o.status, 2) << arguments;
    EXPECT_EQ(o.out, "") << arguments;
    EXPECT_EQ(o.err.rfind("circscan: ", 0), 0u) << arguments << "\n" << o.err;
    EXPECT_NE(o.err.find("\nusage: circscan"), std::string::npos) << arguments << "\n" << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 2) << arguments << "\n" << o.err;
  }
}

TEST_F(Cli, HelpAndVersion) {
  const Outcome help = Run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("circscan best --n 5..200 --k 2"), std::string::npos) << help.out;
  const Outcome bestHelp = Run("best --help");
  EXPECT_EQ(bestHelp.status, 0);
  EXPECT_NE(bestHelp.out.find("--shard"), std::string::npos);
  const Outcome version = Run("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("circscan ", 0), 0u);
}

TEST_F(Cli, ResultsGoToStdoutAndNothingToAStderrThatIsNotATerminal) {
  const Outcome o = Run("best --n 5..9 --k 2 --format csv --threads 2");
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(o.out.substr(0, o.out.find('\n')), "n,k,by,generators,diameter,average,optimal_sets");
  const Outcome a = Run("analyze 8 \"1 2\"");
  EXPECT_EQ(a.status, 0);
  EXPECT_NE(a.out.find("average     1.42857\n"), std::string::npos) << a.out;
}

TEST_F(Cli, ThreeShardFilesMergeIntoTheSingleRunByteForByte) {
  for (const std::string& search : {std::string("best --n 5..70 --k 2 --by average"),
                                    std::string("largest --k 3 --diameter 2..3")}) {
    std::string files;
    for (int i = 1; i <= 3; ++i) {
      const Outcome part = Run(search + " --format json --shard " + std::to_string(i) + "/3");
      ASSERT_EQ(part.status, 0) << part.err;
      const fs::path file = dir_ / ("part" + std::to_string(i) + ".json");
      std::ofstream(file, std::ios::binary) << part.out;
      files += " '" + file.string() + "'";
    }
    for (const char* format : {"table", "csv", "json"}) {
      const Outcome single = Run(search + " --format " + std::string(format));
      const Outcome merged = Run("merge" + files + " --format " + std::string(format));
      ASSERT_EQ(merged.status, 0) << merged.err;
      EXPECT_EQ(merged.out, single.out) << search << " " << format;
    }
    const Outcome incomplete = Run("merge '" + (dir_ / "part1.json").string() + "'");
    EXPECT_EQ(incomplete.status, 2);
    EXPECT_EQ(incomplete.out, "");
  }
}

TEST_F(Cli, MergeRefusesACutFileAndADirectoryByName) {
  std::string files;
  for (int i = 1; i <= 2; ++i) {
    const Outcome part =
        Run("best --n 5..60 --k 2 --format json --shard " + std::to_string(i) + "/2");
    ASSERT_EQ(part.status, 0) << part.err;
    std::string text = part.out;
    if (i == 2) text.resize(text.rfind('\n', text.size() - 2) + 1);  // no trailer
    std::ofstream(dir_ / ("part" + std::to_string(i) + ".json"), std::ios::binary) << text;
  }
  const std::string part1 = "'" + (dir_ / "part1.json").string() + "'";
  const Outcome cut = Run("merge " + part1 + " '" + (dir_ / "part2.json").string() + "'");
  EXPECT_EQ(cut.status, 2);
  EXPECT_EQ(cut.out, "");
  EXPECT_NE(cut.err.find("part2.json:"), std::string::npos) << cut.err;
  EXPECT_NE(cut.err.find("ends without its trailer"), std::string::npos) << cut.err;

  const Outcome folder = Run("merge " + part1 + " '" + dir_.string() + "'");
  EXPECT_EQ(folder.status, 2);
  EXPECT_NE(folder.err.find(": a directory, not a shard file"), std::string::npos) << folder.err;
}

}  // namespace
