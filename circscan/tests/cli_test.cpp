// The program as a user runs it: exit codes, what goes to stdout and to
// stderr, and shards merged through files.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

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

  // Starts the program in the background and returns its process id.
  pid_t Start(const std::string& arguments) {
    const std::string command = std::string("exec '") + CIRCSCAN_PATH + "' " + arguments + " >'" +
                                (dir_ / "out").string() + "' 2>'" + (dir_ / "err").string() +
                                "' </dev/null";
    const char* argv[] = {"/bin/sh", "-c", command.c_str(), nullptr};
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ), 0);
    return pid;
  }

  fs::path dir_;
};

std::string Quoted(const fs::path& path) { return "'" + path.string() + "'"; }

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
                                "best --n 5..10 --k 2 --shard '' --format json",
                                "best --n 5..10 --k ''",
                                "analyze 37 \"+-5\"",
                                "routes 12 \"2 4\"",
                                "routes 1 1",
                                "routes 5..9 1",
                                "routes 10 \"1 y\"",
                                "routes 10",
                                "routes 10 1 --format xml",
                                "help",
                                ""}) {
    const Outcome o = Run(arguments);
    EXPECT_EQ(o.status, 2) << arguments;
    EXPECT_EQ(o.out, "") << arguments;
    EXPECT_EQ(o.err.rfind("circscan: ", 0), 0u) << arguments << "\n" << o.err;
    EXPECT_NE(o.err.find("\nusage: circscan"), std::string::npos) << arguments << "\n" << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 2) << arguments << "\n" << o.err;
  }
}

TEST_F(Cli, MessagesQuoteWhatWasTypedAndNameTheCommands) {
  const auto message = [&](const std::string& arguments) {
    const Outcome o = Run(arguments);
    EXPECT_EQ(o.status, 2) << arguments;
    return o.err.substr(0, o.err.find('\n'));
  };
  EXPECT_EQ(message("best --n 5..10 --k 99999999999999999999"),
            "circscan: --k: '99999999999999999999' is not a whole number");
  EXPECT_EQ(message("largest --diameter 2 --k ''"), "circscan: --k: '' is not a whole number");
  EXPECT_EQ(message("largest --diameter 2 --k 2x"), "circscan: --k: '2x' is not a whole number");
  EXPECT_EQ(message("best --n 5..10 --k 0"), "circscan: --k must be at least 1");
  EXPECT_EQ(message("best --n 5..10 --k 2 --shard '' --format json"),
            "circscan: --shard: '' is not a part like 2/8 (1 <= I <= M)");
  for (const char* word : {"bst", "help", "--frobnicate"}) {
    EXPECT_EQ(message(std::string(word) + " --n 5"),
              "circscan: '" + std::string(word) +
                  "' is not a command; the commands are best, largest, analyze, routes and merge");
  }
  EXPECT_EQ(message(""),
            "circscan: a command is required: best, largest, analyze, routes or merge");
  for (const char* list : {"+-5", "+", "5+"}) {
    EXPECT_EQ(message(std::string("analyze 37 '") + list + "'"),
              "circscan: generators: '" + std::string(list) +
                  "' is not a list of whole numbers like \"1 5 11\"");
  }
  EXPECT_EQ(Run("analyze 37 '+5 -3'").status, 0);
  // analyze takes the vertex counts its help names, and no others.
  EXPECT_EQ(Run("analyze 2 1").status, 0);
  EXPECT_EQ(message("analyze 1000001 1"), "circscan: N must be between 2 and 1000000");
}

TEST_F(Cli, HelpAndVersion) {
  const Outcome help = Run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("circscan best --n 5..200 --k 2"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("N runs from 3 to 1000000 (analyze and routes: 2 to 1000000)"),
            std::string::npos);
  const Outcome bestHelp = Run("best --help");
  EXPECT_EQ(bestHelp.status, 0);
  EXPECT_NE(bestHelp.out.find("--shard"), std::string::npos);
  EXPECT_NE(bestHelp.out.find("(3 to 1000000)"), std::string::npos) << bestHelp.out;
  for (const char* flag : {"--ring", "--all"}) {
    EXPECT_NE(bestHelp.out.find(flag), std::string::npos) << bestHelp.out;
  }
  EXPECT_NE(Run("largest --help").out.find("--ring"), std::string::npos);
  EXPECT_NE(Run("analyze --help").out.find("(2 to 1000000)"), std::string::npos);
  for (const char* arguments : {"--help", "best --help", "--version"}) {
    const int status = std::system(
        (std::string("'") + CIRCSCAN_PATH + "' " + arguments + " >/dev/full 2>/dev/null").c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << arguments;
  }
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

// The three formats carry the same routes; the generators are read as
// analyze reads them, and the table is streamed whole.
TEST_F(Cli, RoutesWritesTheSameRowsInEveryFormat) {
  const Outcome csv = Run("routes 1000000 '1 -999000 1' --format csv");
  ASSERT_EQ(csv.status, 0) << csv.err;
  EXPECT_EQ(csv.err, "");
  EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')), "destination,hops,steps");
  EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 1000001);
  EXPECT_NE(csv.out.find("\n999999,1,-1 0\n"), std::string::npos);
  EXPECT_NE(csv.out.find("\n1999,3,-1 2\n2000,2,0 2\n2001,3,1 2\n"), std::string::npos);
  const Outcome table = Run("routes 13 '1 5'");
  const Outcome json = Run("routes 13 '18 1' --format json");
  ASSERT_EQ(table.status, 0);
  EXPECT_EQ(table.out.substr(0, table.out.find('\n')), "destination  hops  +-1  +-5");
  std::istringstream rows(table.out.substr(table.out.find('\n') + 1));
  std::istringstream lines(json.out);
  std::string line;
  int t = 0;
  for (int destination, hops, x1, x5; rows >> destination >> hops >> x1 >> x5; ++t) {
    ASSERT_TRUE(std::getline(lines, line));
    EXPECT_EQ(destination, t);
    EXPECT_EQ(line, "{\"destination\":" + std::to_string(t) + ",\"hops\":" + std::to_string(hops) +
                        ",\"steps\":[" + std::to_string(x1) + "," + std::to_string(x5) + "]}");
  }
  EXPECT_EQ(t, 13);
  EXPECT_FALSE(std::getline(lines, line));
}

TEST_F(Cli, ThreeShardFilesMergeIntoTheSingleRunByteForByte) {
  for (const std::string& search : {std::string("best --n 5..70 --k 2 --by average"),
                                    std::string("largest --k 3 --diameter 2..3"),
                                    std::string("best --n 20..50 --k 3 --by average --ring --all"),
                                    std::string("largest --k 3 --diameter 2..4 --ring")}) {
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

TEST_F(Cli, ARunStoppedAtRandomMomentsAndResumedPrintsTheUninterruptedOutput) {
  std::mt19937 random(20261209);
  // Searches of a second or more, so that the random moments fall inside them
  // however fast the search itself becomes.
  for (const std::string search :
       {"best --n 300..600 --k 3 --by average --threads 2",
        "largest --k 5 --diameter 2..3 --threads 2",
        "best --n 300..600 --k 3 --ring --all --threads 2",
        "best --n 5..800 --k 3 --by average --shard 2/3 --format json --threads 2"}) {
    const Outcome single = Run(search);
    ASSERT_EQ(single.status, 0) << single.err;
    const std::string resumable = search + " --checkpoint " + Quoted(dir_ / "checkpoint");
    fs::remove(dir_ / "checkpoint");
    int stopped = 0;
    for (int attempt = 0; attempt < 6; ++attempt) {
      const pid_t pid = Start(resumable);
      std::this_thread::sleep_for(
          std::chrono::milliseconds(std::uniform_int_distribution<int>(30, 250)(random)));
      const int signal = attempt % 2 == 0 ? SIGKILL : SIGTERM;
      kill(pid, signal);
      int status = 0;
      ASSERT_EQ(waitpid(pid, &status, 0), pid);
      if (WIFEXITED(status) && WEXITSTATUS(status) == 0) break;  // it finished first
      ++stopped;
      // A SIGTERM that comes before the handlers are set, while the program
      // loads, ends it as it ended it before.
      EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == signal) ||
                  (signal == SIGTERM && WIFEXITED(status) && WEXITSTATUS(status) == 143))
          << search << " " << status;
      EXPECT_EQ(Slurp(dir_ / "out"), "") << search;
    }
    EXPECT_GE(stopped, 2) << search;
    const Outcome resumed = Run(resumable);
    ASSERT_EQ(resumed.status, 0) << resumed.err;
    EXPECT_EQ(resumed.out, single.out) << search;
    EXPECT_EQ(resumed.err, "") << search;
    // Everything is in the checkpoint now: a third run searches nothing more.
    const std::string finished = Slurp(dir_ / "checkpoint");
    EXPECT_EQ(Run(resumable).out, single.out) << search;
    EXPECT_EQ(Slurp(dir_ / "checkpoint"), finished) << search;
  }
}

TEST_F(Cli, ACheckpointThatCannotBeWrittenStopsTheRunAndStillResumes) {
  const std::string search = "best --n 5..120 --k 3";
  const fs::path checkpoint = dir_ / "checkpoint";
  // A file size limit makes an append fail after a few records, like a full disk,
  // and leaves the record it cut short torn: the resumed run must drop it.
  const std::string command = "trap '' XFSZ; ulimit -f 2; exec '" + std::string(CIRCSCAN_PATH) +
                              "' " + search + " --checkpoint " + Quoted(checkpoint) + " >" +
                              Quoted(dir_ / "out") + " 2>" + Quoted(dir_ / "err");
  const int raw = std::system(("sh -c \"" + command + "\"").c_str());
  EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << raw;
  EXPECT_EQ(Slurp(dir_ / "out"), "");
  EXPECT_EQ(
      Slurp(dir_ / "err").rfind("circscan: " + checkpoint.string() + ": cannot be written: ", 0),
      0u)
      << Slurp(dir_ / "err");
  const Outcome resumed = Run(search + " --checkpoint " + Quoted(checkpoint));
  ASSERT_EQ(resumed.status, 0) << resumed.err;
  EXPECT_EQ(resumed.out, Run(search).out);
}

TEST_F(Cli, AForeignOrDamagedCheckpointIsRefusedByNameAndLeftAlone) {
  const fs::path checkpoint = dir_ / "checkpoint";
  const std::string search = "best --n 20..60 --k 2 --checkpoint " + Quoted(checkpoint);
  ASSERT_EQ(Run(search).status, 0);
  const std::string written = Slurp(checkpoint);
  const auto refused = [&](const std::string& arguments, const std::string& text,
                           const std::string& message) {
    std::ofstream(checkpoint, std::ios::binary | std::ios::trunc) << text;
    const Outcome o = Run(arguments);
    EXPECT_EQ(o.status, 2) << arguments;
    EXPECT_EQ(o.out, "");
    EXPECT_EQ(o.err.rfind("circscan: " + checkpoint.string() + message, 0), 0u) << o.err;
    EXPECT_EQ(Slurp(checkpoint), text);
  };
  refused("best --n 20..61 --k 2 --checkpoint " + Quoted(checkpoint), written,
          ": the checkpoint of another search (best --n 20..60 --k 2 --by diameter)");
  refused("best --n 20..60 --k 2 --shard 1/2 --format json --checkpoint " + Quoted(checkpoint),
          written, ": the checkpoint of another search");
  refused("largest --k 2 --diameter 2..3 --checkpoint " + Quoted(checkpoint), written,
          ": the checkpoint of another search");
  for (const char* flags : {" --ring", " --all"}) {
    refused(search + flags, written, ": the checkpoint of another search");
  }
  std::string edited = written;
  edited.replace(edited.find("\"optimal_sets\":") + 15, 0, "1");
  refused(search, edited, ":");
  refused(search, "{\"n\":5}\n", ":1: not a circscan checkpoint");
  const Outcome folder = Run("best --n 20..60 --k 2 --checkpoint " + Quoted(dir_));
  EXPECT_EQ(folder.status, 2);
  EXPECT_NE(folder.err.find(": a directory, not a checkpoint file"), std::string::npos);
}

}  // namespace
