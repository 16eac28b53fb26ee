// Drives the kventool binary as a user would and checks its output and status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs kventool with args (shell words), feeding input on stdin. `shell`
// comes before the command (a folder to change to, a variable to unset);
// `redirect` replaces the standard input or output given here.
ToolRun Kventool(const std::string& args, const std::string& input = "", const std::string& shell = "",
                 const std::string& redirect = "") {
  // Tests run as parallel processes: each gets files of its own.
  const std::string dir = ::testing::TempDir() + "kventool_" + std::to_string(getpid()) + "_";
  const std::string in = dir + "in", out = dir + "out", err = dir + "err";
  std::ofstream(in, std::ios::binary) << input;
  const std::string streams = redirect.empty() ? " <" + in + " >" + out : " " + redirect;
  const std::string command = shell + std::string(KVENTOOL_PATH) + " " + args + streams + " 2>" + err;
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = Slurp(out);
  run.err = Slurp(err);
  return run;
}

std::string Example(const std::string& name) { return std::string(KVEN_EXAMPLES_DIR) + "/" + name; }

// A five-by-five twofold block puzzle in a letter, numbered by hand, with a
// title and a solution.
const std::string MiniInALetter =
    "Here is this week's diagram.\r\nKVEN 2 5 5\r\nBLK 2 4 7 Z\r\nMN\r\n1 0 2 0 3\r\n0 0 4 5 0\r\n6 7 0 0 0\r\n"
    "8 0 0 0 0\r\n0 0 0 0 0\r\nTTL Mini\r\nANS\r\nS.A.T\r\nH.NOW\r\nORBIT\r\nELK.A\r\nS.E.S\r\n";

TEST(Kventool, DecodePrintsThePuzzleAsJson) {
  const ToolRun run = Kventool("decode -", MiniInALetter);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto j = nlohmann::json::parse(run.out);
  EXPECT_EQ(j["valid"], true);
  EXPECT_EQ(j["message"], "");
  EXPECT_EQ(j["size"], nlohmann::json::parse("[5,5]"));
  EXPECT_EQ(j["symmetry"], 2);
  EXPECT_EQ(j["blockDiagram"], true);
  EXPECT_EQ(j["barDiagram"], false);
  EXPECT_EQ(j["manualNumbered"], true);
  EXPECT_EQ(j["autoNumbered"], false);
  EXPECT_EQ(j["hasSolution"], true);
  EXPECT_EQ(j["title"], "Mini");
  EXPECT_EQ(j["blocks"], nlohmann::json::parse("[[2,1],[4,1],[2,2],[4,4],[2,5],[4,5]]"));
  EXPECT_EQ(j["hbars"], nlohmann::json::array());
  EXPECT_EQ(j["numbers"][0], nlohmann::json::parse("[1,0,2,0,3]"));
  EXPECT_EQ(j["letters"], nlohmann::json::parse(R"(["S.A.T","H.NOW","ORBIT","ELK.A","S.E.S"])"));
  EXPECT_EQ(j["across"], nlohmann::json::array());
  // Keys come in a fixed order.
  std::string keys;
  const auto ordered = nlohmann::ordered_json::parse(run.out);
  for (auto it = ordered.begin(); it != ordered.end(); ++it) keys += it.key() + ",";
  EXPECT_EQ(keys,
            "valid,message,size,symmetry,blockDiagram,barDiagram,autoNumbered,manualNumbered,hasSolution,title,"
            "blocks,hbars,vbars,numbers,letters,across,down,");
}

TEST(Kventool, DecodeFromFileAndStandardInputAgree) {
  const std::string file = std::string(KVEN_EXAMPLES_DIR) + "/block-twofold.txt";
  const ToolRun fromFile = Kventool("decode " + file);
  const ToolRun fromStdin = Kventool("decode", Slurp(file));
  ASSERT_EQ(fromFile.status, 0);
  EXPECT_EQ(fromFile.out, fromStdin.out);
  const auto j = nlohmann::json::parse(fromFile.out);
  EXPECT_EQ(j["autoNumbered"], true);
  EXPECT_EQ(j["across"], nlohmann::json::parse("[1,5,6,7,8,9,10]"));
}

TEST(Kventool, LatinOneTitleIsEscaped) {
  const ToolRun run = Kventool("decode", "KVEN 0 5 5\nBLK Z\nNN\nTTL Caf\xe9\n");
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"Caf\\u00e9\""), std::string::npos) << run.out;
}

TEST(Kventool, RefusedTextsExitOneWithTheState) {
  struct Case {
    std::string text, message;
    int size;
  };
  std::string list = "BLK";
  for (int row = 1; row <= 30; ++row)
    for (int col = 3; col <= 30; col += 3) list += " " + std::to_string((row - 1) * 30 + col);
  for (const Case& c : {Case{"no puzzle here\n", "Oops - We hit Invalid Data", 12},
                        Case{"KVEN 2 7 7\nnothing\n", "Oops - We hit Invalid Data", 7},
                        Case{"KVEN 0 30 30\n" + list + " Z\n", "Range check error", 30}}) {
    const ToolRun run = Kventool("decode", c.text);
    EXPECT_EQ(run.status, 1);
    const auto j = nlohmann::json::parse(run.out);
    EXPECT_EQ(j["valid"], false);
    EXPECT_EQ(j["message"], c.message);
    EXPECT_EQ(j["size"][0], c.size);
  }
}

TEST(Kventool, EncodeAndCluesEndLinesWithCrLf) {
  const std::string file = std::string(KVEN_EXAMPLES_DIR) + "/block-twofold.txt";
  const ToolRun encoded = Kventool("encode " + file);
  ASSERT_EQ(encoded.status, 0);
  EXPECT_EQ(encoded.out,
            "KVEN   2   5   5\r\nBLK   8 Z\r\nTTL Clasp\r\nANS\r\nCLASP\r\nRO.HE\r\nAVERT\r\nNE.EA\r\nESTER\r\n");
  const ToolRun clues = Kventool("clues -", MiniInALetter);
  ASSERT_EQ(clues.status, 0);
  EXPECT_EQ(clues.out, " \r\nACROSS\r\n \r\n \r\nDOWN\r\n \r\n");  // MN sections build no lists
}

TEST(Kventool, CluesWithTheirTextsAndIpuzKeepsThem) {
  const ToolRun texts = Kventool("clues --text " + Example("clued.ipuz"));
  ASSERT_EQ(texts.status, 0) << texts.err;
  EXPECT_EQ(texts.out,
            "1 Across. Setter's first clue (5)\r\n4 Across. Sum of the whole lot (5)\r\n"
            "5 Across. Groups of three (5)\r\n1 Down. Groups, mostly (5)\r\n2 Down. Go in (5)\r\n"
            "3 Down. Bargain events (5)\r\n");
  // A KVEN text has entries but no clues yet.
  const ToolRun skeleton = Kventool("clues --text -", MiniInALetter);
  ASSERT_EQ(skeleton.status, 0) << skeleton.err;
  EXPECT_EQ(skeleton.out.substr(0, 30), "4 Across. (3)\r\n6 Across. (5)\r\n");
  const ToolRun ipuz = Kventool("ipuz " + Example("clued.ipuz"));
  ASSERT_EQ(ipuz.status, 0) << ipuz.err;
  const auto doc = nlohmann::json::parse(ipuz.out);
  EXPECT_EQ(doc["author"], "A. Setter");
  EXPECT_EQ(doc["clues"]["Across"][1], nlohmann::json::parse(R"([4, "Sum of the <i>whole</i> lot"])"));
  EXPECT_EQ(doc["clues"]["Down"][2]["enumeration"], "5");
  EXPECT_EQ(Kventool("encode --text " + Example("clued.ipuz")).status, 2);
}

TEST(Kventool, UsageErrors) {
  for (const std::string& args : std::vector<std::string>{"", "frobnicate", "decode --bogus", "decode ''", "picture " + Example("block-twofold.txt"),
                                 "picture x.txt -o y.bmp --bar-width 7", "encode --bar-width 3",
                                 "decode x.txt -o out"}) {
    const ToolRun run = Kventool(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_NE(run.err.find("kventool --help"), std::string::npos) << args << ": " << run.err;
  }
}

// Every example of the help text runs as it stands, from a folder in which
// "examples" are the project's own.
TEST(Kventool, HelpExamplesRun) {
  const ToolRun help = Kventool("--help");
  ASSERT_EQ(help.status, 0);
  const auto at = help.out.find("Examples:\n");
  ASSERT_NE(at, std::string::npos);
  const std::string dir = ::testing::TempDir() + "kventool_help_" + std::to_string(getpid());
  ASSERT_EQ(std::system(("rm -rf " + dir + " && mkdir " + dir + " && ln -s " KVEN_EXAMPLES_DIR " " + dir + "/examples").c_str()), 0);
  std::istringstream examples(help.out.substr(at + 10));
  int ran = 0;
  for (std::string line; std::getline(examples, line) && line.rfind("  kventool ", 0) == 0; ++ran) {
    const ToolRun run = Kventool(line.substr(11), "", "cd " + dir + " && ");
    // A check that finds something says so with 1.
    EXPECT_LE(run.status, line.rfind("  kventool check", 0) == 0 ? 1 : 0) << line << ": " << run.err;
    EXPECT_FALSE(run.out.empty() && line.find(" -o ") == std::string::npos) << line;
  }
  EXPECT_GE(ran, 3);
  EXPECT_EQ(std::system(("test -s " + dir + "/grid.png && test -s " + dir + "/texts/block-twofold.txt").c_str()), 0);
}

// Hostile inputs and outputs: each ends in a message naming the file and a
// status, never a crash, a hang or a file replaced.
TEST(Kventool, UnreadableInputsAndUnwritableOutputs) {
  const std::string dir = ::testing::TempDir() + "kventool_hostile_" + std::to_string(getpid());
  const std::string setup = "rm -rf " + dir + " && mkdir -p " + dir + "/folder && cd " + dir +
                            " && truncate -s 65M big.txt && mkfifo fifo && cp " + Example("block-twofold.txt") +
                            " ./-h && chmod 000 folder";
  ASSERT_EQ(std::system(setup.c_str()), 0);
  const std::string example = Example("block-twofold.txt");
  struct Case {
    std::string args, shell, redirect;
    int status;
    std::string err;
  };
  const std::vector<Case> cases = {
      {"decode folder", "", "", 2, "Cannot open file folder"},
      {"decode", "", "<folder >/dev/null", 2, "Cannot open file -"},
      {"decode big.txt", "", "", 2, "Cannot open file big.txt: it is larger than 64 MiB"},
      {"decode /dev/zero", "", "", 2, "Cannot open file /dev/zero: it is larger than 64 MiB"},
      {"decode -- -h", "", "", 0, ""},
      {"decode missing.txt " + example, "", "", 2, "Cannot open file missing.txt"},
      {"picture " + example + " -o fifo", "", "", 2, "Cannot create file fifo"},
      {"picture " + example + " -o nowhere/x.bmp", "", "", 2, "Cannot create file nowhere/x.bmp"},
      {"picture " + example + " -o quiet.bmp", "env -u XDG_RUNTIME_DIR ", "", 0, ""},
  };
  for (const Case& c : cases) {
    const ToolRun run = Kventool(c.args, "", "cd " + dir + " && " + c.shell, c.redirect);
    EXPECT_EQ(run.status, c.status) << c.args;
    if (c.err.empty())
      EXPECT_EQ(run.err, "") << c.args;
    else
      EXPECT_NE(run.err.find(c.err), std::string::npos) << c.args << ": " << run.err;
  }
  // Standard output that cannot take the text is an error of its own.
  if (access("/dev/full", W_OK) == 0) {
    const ToolRun full = Kventool("encode " + example, "", "", ">/dev/full");
    EXPECT_EQ(full.status, 3);
    EXPECT_NE(full.err.find("No space left"), std::string::npos) << full.err;
  }
  // A pipe with a reader gets the picture; the pipe stays a pipe.
  const std::string reader = "cd " + dir + " && (timeout 20 cat fifo > piped.bmp &) && sleep 0.2 && ";
  EXPECT_EQ(Kventool("picture " + example + " -o fifo", "", reader).status, 0);
  EXPECT_EQ(std::system(("sleep 0.3; test -p " + dir + "/fifo && test -s " + dir + "/piped.bmp").c_str()), 0);
  std::system(("chmod 755 " + dir + "/folder").c_str());
}

// A file the user may write in a folder where they may create nothing is
// written in place, as an editor would; a link stays a link.
TEST(Kventool, SavesInPlaceAndThroughLinks) {
  const std::string dir = ::testing::TempDir() + "kventool_inplace_" + std::to_string(getpid());
  const std::string setup = "rm -rf " + dir + " && mkdir -p " + dir + "/locked && cd " + dir +
                            " && echo old > locked/out.txt && chmod 666 locked/out.txt && chmod 555 locked" +
                            " && chmod 755 . && echo old > target.txt && ln -s target.txt link.txt";
  ASSERT_EQ(std::system(setup.c_str()), 0);
  // As root every folder is writable: the tool then runs as nobody.
  const std::string as = geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  if (!as.empty()) std::system(("chmod 755 " + ::testing::TempDir()).c_str());
  const std::string command = "cd " + dir + " && " + as + KVENTOOL_PATH + " encode " + Example("block-twofold.txt");
  EXPECT_EQ(std::system((command + " -o locked/out.txt").c_str()), 0);
  EXPECT_EQ(Slurp(dir + "/locked/out.txt").substr(0, 16), "KVEN   2   5   5");
  EXPECT_EQ(std::system(("cd " + dir + " && " KVENTOOL_PATH " encode " + Example("block-twofold.txt") +
                         " -o link.txt && test -L link.txt").c_str()),
            0);
  EXPECT_EQ(Slurp(dir + "/target.txt").substr(0, 16), "KVEN   2   5   5");
}

// The check as JSON: one object a line, led by its file; 1 when something
// breaks a rule, 0 when nothing does.
TEST(Kventool, CheckReportsAsJson) {
  const ToolRun found = Kventool("check --json " + Example("block-twofold.txt") + " " + Example("manual-numbers.txt"));
  EXPECT_EQ(found.status, 1);
  std::istringstream lines(found.out);
  std::vector<nlohmann::ordered_json> reports;
  for (std::string line; std::getline(lines, line);) reports.push_back(nlohmann::ordered_json::parse(line));
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].begin().key(), "file");
  EXPECT_EQ(reports[0]["passed"], false);
  EXPECT_EQ(reports[0]["findings"][0]["rule"], "short");
  EXPECT_EQ(reports[0]["findings"][0]["squares"], nlohmann::json::parse("[[1,2],[2,2]]"));
  EXPECT_EQ(reports[1]["passed"], true);
  EXPECT_EQ(reports[1]["summary"]["checkedPercent"], 100.0);
  // With two-letter entries allowed and no style judged, nothing is found.
  EXPECT_EQ(Kventool("check --style none --min-length 2 " + Example("block-twofold.txt")).status, 0);
  EXPECT_EQ(Kventool("check --style british " + Example("block-twofold.txt")).status, 2);
}

TEST(Kventool, SeveralFiles) {
  const std::string dir = ::testing::TempDir() + "kventool_batch_" + std::to_string(getpid());
  ASSERT_EQ(std::system(("rm -rf " + dir + " && mkdir " + dir + " && printf 'no puzzle' > " + dir + "/junk.txt").c_str()), 0);
  const std::string files = Example("block-twofold.txt") + " " + dir + "/junk.txt " + Example("bar-fourfold.txt");
  // decode: one object a line, each led by its file; a refused one does not stop the rest.
  const ToolRun decoded = Kventool("decode " + files);
  EXPECT_EQ(decoded.status, 1);
  std::istringstream lines(decoded.out);
  std::vector<std::string> names;
  for (std::string line; std::getline(lines, line);) {
    const auto j = nlohmann::ordered_json::parse(line);
    EXPECT_EQ(j.begin().key(), "file");
    names.push_back(j["file"]);
  }
  EXPECT_EQ(names, (std::vector<std::string>{Example("block-twofold.txt"), dir + "/junk.txt", Example("bar-fourfold.txt")}));
  EXPECT_NE(decoded.err.find(dir + "/junk.txt: Oops - We hit Invalid Data"), std::string::npos) << decoded.err;
  // encode and clues: one file per input in a folder made for them.
  EXPECT_EQ(Kventool("encode " + files + " -o " + dir + "/out").status, 1);
  EXPECT_EQ(Slurp(dir + "/out/block-twofold.txt").substr(0, 16), "KVEN   2   5   5");
  EXPECT_EQ(Slurp(dir + "/out/bar-fourfold.txt").substr(0, 16), "KVEN   4   6   6");
  EXPECT_EQ(Slurp(dir + "/out/junk.txt").substr(0, 16), "KVEN   2  12  12");
  EXPECT_EQ(Kventool("clues " + Example("block-twofold.txt") + " -o " + dir + "/out").status, 0);
  EXPECT_EQ(Slurp(dir + "/out/block-twofold.clues.txt").substr(0, 10), " \r\nACROSS\r");
  // A batch never writes over one of its inputs.
  const ToolRun over = Kventool("encode " + dir + "/out/block-twofold.txt " + dir + "/junk.txt -o " + dir + "/out");
  EXPECT_EQ(over.status, 2);
  EXPECT_NE(over.err.find("it is one of the inputs"), std::string::npos) << over.err;
}

}  // namespace
