// Drives the kventool binary as a user would and checks its output and status.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

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

// Runs kventool with args (shell words), feeding input on stdin.
ToolRun Kventool(const std::string& args, const std::string& input = "") {
  // Tests run as parallel processes: each gets files of its own.
  const std::string dir = ::testing::TempDir() + "kventool_" + std::to_string(getpid()) + "_";
  const std::string in = dir + "in", out = dir + "out", err = dir + "err";
  std::ofstream(in, std::ios::binary) << input;
  const std::string command =
      std::string(KVENTOOL_PATH) + " " + args + " <" + in + " >" + out + " 2>" + err;
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = Slurp(out);
  run.err = Slurp(err);
  return run;
}

const std::string WorkedExample =
    "Here is this week's diagram.\r\nKVEN 2 5 5\r\nBLK 2 4 7 Z\r\nMN\r\n1 0 2 0 3\r\n0 0 4 5 0\r\n6 7 0 0 0\r\n"
    "8 0 0 0 0\r\n0 0 0 0 0\r\nTTL Mini\r\nANS\r\nS.A.T\r\nH.NOW\r\nORBIT\r\nELK.A\r\nS.E.S\r\n";

TEST(Kventool, DecodePrintsThePuzzleAsJson) {
  const ToolRun run = Kventool("decode -", WorkedExample);
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
  // Keys come in the documented order.
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
  const ToolRun clues = Kventool("clues -", WorkedExample);
  ASSERT_EQ(clues.status, 0);
  EXPECT_EQ(clues.out, " \r\nACROSS\r\n \r\n \r\nDOWN\r\n \r\n");  // MN sections build no lists
}

TEST(Kventool, UsageAndFileErrors) {
  const ToolRun missing = Kventool("decode /nonexistent/puzzle.txt");
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("Cannot open file /nonexistent/puzzle.txt"), std::string::npos) << missing.err;
  EXPECT_EQ(Kventool("").status, 2);
  EXPECT_EQ(Kventool("frobnicate").status, 2);
  EXPECT_EQ(Kventool("decode a b").status, 2);
  EXPECT_EQ(Kventool("decode --bogus").status, 2);
  const ToolRun help = Kventool("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Example"), std::string::npos);
}

}  // namespace
