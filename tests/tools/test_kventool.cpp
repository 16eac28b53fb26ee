// Drives the kventool binary as a user would and checks its output and status.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// A folder of the test's own, made private by mkdtemp and removed with all
// it holds when the test ends: the tests touch nothing outside such folders.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = ::testing::TempDir() + "kventool_XXXXXX";
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~ScratchFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    // A case may have left a folder without permissions in it.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(
             path_, std::filesystem::directory_options::skip_permission_denied, ignored))
      if (entry.is_directory(ignored) && !entry.is_symlink(ignored))
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

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
  static const ScratchFolder streamsFolder;
  const std::string in = streamsFolder / "in", out = streamsFolder / "out", err = streamsFolder / "err";
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

// What a shell command prints on its standard output.
std::string Output(const std::string& command) {
  std::string out;
  if (FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
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
            "valid,message,note,size,symmetry,blockDiagram,barDiagram,autoNumbered,manualNumbered,hasSolution,title,"
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

// A KVEN title is Latin-1; what kventool prints of it is UTF-8, escaped in JSON.
TEST(Kventool, ALatinOneTitleIsPrintedAsUtf8) {
  const std::string text = "KVEN 0 5 5\nBLK Z\nNN\nTTL Caf\xe9\n";
  const ToolRun decoded = Kventool("decode", text);
  ASSERT_EQ(decoded.status, 0);
  EXPECT_NE(decoded.out.find("\"Caf\\u00e9\""), std::string::npos) << decoded.out;
  const ToolRun checked = Kventool("check --style none --min-length 2", text);
  EXPECT_EQ(checked.out.substr(0, checked.out.find(':')), "Check of \"Caf\xc3\xa9\"") << checked.out;
  const ToolRun json = Kventool("check --json", text);
  EXPECT_EQ(nlohmann::json::parse(json.out)["title"], "Caf\xc3\xa9");
}

TEST(Kventool, RefusedTextsExitOneWithTheState) {
  struct Case {
    std::string text, message;
    int size;
  };
  for (const Case& c : {Case{"no puzzle here\n", "Oops - We hit Invalid Data", 12},
                        Case{"KVEN 2 7 7\nnothing\n", "Oops - We hit Invalid Data", 7}}) {
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
                                 "decode x.txt -o out", "pdf " + Example("block-twofold.txt"),
                                 "pdf x.txt -o y.pdf --paper a5", "picture x.txt -o y.bmp --solution",
                                 "encode --paper a4", "pdf x.txt -o y.pdf --format png",
                                 "pdf x.txt -o y.pdf --solution --submission", "encode --solution-only",
                                 "ipuz --no-solution", "words ''"}) {
    const ToolRun run = Kventool(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_NE(run.err.find("kventool --help"), std::string::npos) << args << ": " << run.err;
  }
  EXPECT_EQ(Kventool("words ''").err.rfind("kventool: an empty pattern\n", 0), 0u);
}

TEST(Kventool, HtmlWritesOnePageAnInputAndSaysWhenItCannotCheck) {
  const ToolRun page = Kventool("html -", MiniInALetter);
  ASSERT_EQ(page.status, 0) << page.err;
  EXPECT_EQ(page.out.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(page.out.find("<title>Mini</title>"), std::string::npos);
  EXPECT_NE(page.out.find("\"solution\":[\"S#A#T\""), std::string::npos);
  EXPECT_EQ(page.err, "");
  const ToolRun hidden = Kventool("html - --no-solution", MiniInALetter);
  ASSERT_EQ(hidden.status, 0) << hidden.err;
  EXPECT_EQ(hidden.out.find("ORBIT"), std::string::npos);
  EXPECT_NE(hidden.out.find("\"digest\":\""), std::string::npos);
  // The bar example has no solution: the page plays, but cannot check.
  const ScratchFolder scratch;
  const ToolRun several = Kventool("html " + Example("bar-fourfold.txt") + " " + Example("clued.ipuz") + " -o " +
                                   scratch / "pages");
  EXPECT_EQ(several.status, 0) << several.err;
  EXPECT_NE(several.err.find("bar-fourfold.txt: the solution is not complete"), std::string::npos) << several.err;
  EXPECT_NE(Slurp(scratch / "pages/bar-fourfold.html").find("Turnabout"), std::string::npos);
  EXPECT_NE(Slurp(scratch / "pages/clued.html").find("Setter's first clue"), std::string::npos);
}

// Every example of the help text runs as it stands, from a folder in which
// "examples" are the project's own.
TEST(Kventool, HelpExamplesRun) {
  const ToolRun help = Kventool("--help");
  ASSERT_EQ(help.status, 0);
  const auto at = help.out.find("Examples:\n");
  ASSERT_NE(at, std::string::npos);
  const ScratchFolder scratch;
  const std::string& dir = scratch.path();
  ASSERT_EQ(std::system(("ln -s " KVEN_EXAMPLES_DIR " " + dir + "/examples").c_str()), 0);
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

// What kventool writes into the FIFO `fifo`, read while it runs with `args`
// in `dir`. The reader is there before the tool starts and reads until the
// tool has closed its end, so nothing waits a fixed time.
std::string ReadThroughPipe(const std::string& fifo, const std::string& args, const std::string& dir) {
  const int fd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  if (fd < 0) return std::string();
  std::string got;
  std::thread reader([&] {
    char buffer[4096];
    for (;;) {
      pollfd waiting{fd, POLLIN, 0};
      if (::poll(&waiting, 1, -1) < 0) return;
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n == 0) return;  // every writer has closed its end
      if (n > 0) got.append(buffer, static_cast<std::size_t>(n));
    }
  });
  Kventool(args, "", "cd " + dir + " && ");
  // Should the tool never have opened the pipe, a writer of our own ends the reading.
  const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
  if (writer >= 0) ::close(writer);
  reader.join();
  ::close(fd);
  return got;
}

// Hostile inputs and outputs: each ends in a message naming the file and a
// status, never a crash, a hang or a file replaced.
TEST(Kventool, UnreadableInputsAndUnwritableOutputs) {
  const ScratchFolder scratch;
  const std::string& dir = scratch.path();
  const std::string setup = "mkdir -p " + dir + "/folder && cd " + dir +
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
  EXPECT_EQ(ReadThroughPipe(dir + "/fifo", "picture " + example + " -o fifo", dir).substr(0, 2), "BM");
  struct stat info {};
  EXPECT_TRUE(::stat((dir + "/fifo").c_str(), &info) == 0 && S_ISFIFO(info.st_mode));
}

// A file the user may write in a folder where they may create nothing is
// written in place, as an editor would; a link stays a link.
TEST(Kventool, SavesInPlaceAndThroughLinks) {
  const ScratchFolder scratch;
  const std::string& dir = scratch.path();
  // As root every folder is writable: the tool then runs as nobody, from
  // copies in this folder, which is all that nobody may reach.
  const bool root = geteuid() == 0;
  const std::string setup = "cd " + dir + " && mkdir locked && echo old > locked/out.txt && chmod 666 locked/out.txt" +
                            " && chmod 555 locked && echo old > target.txt && ln -s target.txt link.txt && cp " +
                            Example("block-twofold.txt") + " puzzle.txt && cp " KVENTOOL_PATH " kventool" +
                            (root ? " && chmod 755 ." : "");
  ASSERT_EQ(std::system(setup.c_str()), 0);
  const std::string as = root ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  EXPECT_EQ(std::system(("cd " + dir + " && " + as + "./kventool encode puzzle.txt -o locked/out.txt").c_str()), 0);
  EXPECT_EQ(Slurp(dir + "/locked/out.txt").substr(0, 16), "KVEN   2   5   5");
  EXPECT_EQ(std::system(("cd " + dir + " && ./kventool encode puzzle.txt -o link.txt && test -L link.txt").c_str()), 0);
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

// The paper named, else the locale's; the text is there to search; a page
// more with --solution; several inputs go into a folder.
TEST(Kventool, PdfOnThePaperAskedFor) {
  const ScratchFolder scratch;
  const std::string& dir = scratch.path();
  const auto info = [](const std::string& pdf) { return Output("pdfinfo " + pdf); };
  for (const auto& [args, shell, size, pages] :
       {std::tuple{std::string(" --paper letter"), std::string(), "(letter)", "1"},
        {" --paper a4 --solution", "", "(A4)", "2"},
        {"", "LC_ALL= LC_PAPER= LANG=en_US.UTF-8 ", "(letter)", "1"},
        {"", "LC_ALL=de_DE.UTF-8 ", "(A4)", "1"},
        {" --solution", "LC_ALL=en_CA.UTF-8 ", "(letter)", "2"},
        {" --solution-only --paper a4", "", "(A4)", "1"},
        {" --submission --paper a4", "", "(A4)", "1"}}) {
    const std::string out = dir + "/clasp.pdf";
    const ToolRun run = Kventool("pdf " + Example("block-twofold.txt") + " -o " + out + args, "", shell);
    ASSERT_EQ(run.status, 0) << args << run.err;
    const std::string facts = info(out);
    EXPECT_NE(facts.find(std::string("Pages:           ") + pages + "\n"), std::string::npos) << args << facts;
    EXPECT_NE(facts.find(size), std::string::npos) << shell << args << ": " << facts;
  }
  const std::string text = Output("pdftotext " + dir + "/clasp.pdf -");
  for (const char* words : {"Clasp", "Across", "1 Across CLASP (5)", "page 1 of 1"})
    EXPECT_NE(text.find(words), std::string::npos) << words << " in " << text;
  // A submission copy of a puzzle without its solution is refused, and nothing written.
  const ToolRun unsolved = Kventool("pdf " + Example("bar-fourfold.txt") + " --submission -o " + dir + "/bars.pdf");
  EXPECT_EQ(unsolved.status, 1);
  EXPECT_NE(unsolved.err.find("The submission copy needs the whole solution; squares without a letter: 36"),
            std::string::npos) << unsolved.err;
  EXPECT_FALSE(std::filesystem::exists(dir + "/bars.pdf"));
  // A refused text still gets its pages, and says why.
  ASSERT_EQ(std::system(("printf 'no puzzle' > " + dir + "/junk.txt").c_str()), 0);
  const ToolRun batch = Kventool("pdf " + Example("block-twofold.txt") + " " + dir + "/junk.txt -o " + dir + "/out");
  EXPECT_EQ(batch.status, 1);
  EXPECT_NE(batch.err.find("Oops - We hit Invalid Data"), std::string::npos) << batch.err;
  EXPECT_EQ(Slurp(dir + "/out/block-twofold.pdf").substr(0, 5), "%PDF-");
  EXPECT_EQ(Slurp(dir + "/out/junk.pdf").substr(0, 5), "%PDF-");
}

TEST(Kventool, SeveralFiles) {
  const ScratchFolder scratch;
  const std::string& dir = scratch.path();
  ASSERT_EQ(std::system(("printf 'no puzzle' > " + dir + "/junk.txt").c_str()), 0);
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

namespace {

// A document of 3 x 3 squares, which cannot be imported, and a good one
// whose solution holds two rebus squares, which are left without a letter.
const std::string SmallIpuz =
    R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],)"
    R"( "dimensions": {"width": 3, "height": 3}, "puzzle": [[1, 0, 2], [0, "#", 0], [3, 0, 0]]})";
const std::string RebusIpuz =
    R"({"version": "http://ipuz.org/v2", "kind": ["http://ipuz.org/crossword#1"],)"
    R"( "dimensions": {"width": 5, "height": 5}, "puzzle": [[0, 0, 0, 0, 0], [0, 0, 0, 0, 0], [0, 0, 0, 0, 0],)"
    R"( [0, 0, 0, 0, 0], [0, 0, 0, 0, 0]], "solution": [["H2O", "A", "B", "C", "D"], ["E", "F", "G", "H", "I"],)"
    R"( ["J", "K", "L", "M", "N"], ["O", "P", "Q", "R", "S"], ["T", "U", "V", "W", "XY"]]})";
const std::string SizeRefusal = "Cannot import this ipuz puzzle: it is 3 x 3 squares; sizes must be 5 to 30.";
const std::string LostLetters = "Squares left without a letter because their solution was not a single letter: 2";

struct CommandCase {
  std::string command;
  std::string extension;  // of the file written for each input; empty for standard output
};

// Every command; picture where its program was built beside kventool (not
// in a build of the core alone).
std::vector<CommandCase> EveryCommand() {
  std::vector<CommandCase> commands = {
      {"decode", ""}, {"check", ""}, {"encode", ".txt"}, {"clues", ".clues.txt"}, {"ipuz", ".ipuz"},
      {"puz", ".puz"},  {"jpz", ".jpz"},   {"xd", ".xd"}};
  const std::string tool = KVENTOOL_PATH;
  if (::access((tool.substr(0, tool.rfind('/')) + "/kventool-picture").c_str(), X_OK) == 0)
    commands.push_back({"picture", ".bmp"});
  return commands;
}

// A document that cannot be imported produces nothing, in every command,
// alone or beside a good input; its refusal reaches standard error both ways.
TEST(Kventool, RefusedIpuzWritesNothing) {
  const ScratchFolder scratch;
  std::ofstream(scratch / "small.ipuz") << SmallIpuz;
  std::ofstream(scratch / "rebus.ipuz") << RebusIpuz;
  for (const CommandCase& c : EveryCommand()) {
    const std::string out = scratch / ("out-" + c.command);
    const std::string to = c.extension.empty() ? "" : " -o " + out;
    const ToolRun several = Kventool(c.command + " small.ipuz rebus.ipuz" + to, "", "cd " + scratch.path() + " && ");
    EXPECT_EQ(several.status, 1) << c.command;
    EXPECT_NE(several.err.find("small.ipuz: " + SizeRefusal), std::string::npos) << c.command << ": " << several.err;
    if (c.command == "decode") {
      // Its object says why, and holds nothing that looks like a puzzle.
      const auto first = nlohmann::ordered_json::parse(several.out.substr(0, several.out.find('\n')));
      EXPECT_EQ(first, nlohmann::ordered_json(
                           {{"file", "small.ipuz"}, {"valid", false}, {"message", SizeRefusal}, {"note", ""}}));
    } else if (c.command == "check") {
      EXPECT_EQ(several.out.find("small.ipuz"), std::string::npos) << several.out;
      EXPECT_NE(several.out.find("File: rebus.ipuz"), std::string::npos) << several.out;
    } else {
      EXPECT_FALSE(std::filesystem::exists(out + "/small" + c.extension)) << c.command;
      EXPECT_TRUE(std::filesystem::exists(out + "/rebus" + c.extension)) << c.command;
    }
    const std::string single = scratch / ("single" + (c.extension.empty() ? ".out" : c.extension));
    const ToolRun alone = Kventool(c.command + " -" + (c.extension.empty() ? "" : " -o " + single), SmallIpuz);
    EXPECT_EQ(alone.status, 1) << c.command;
    EXPECT_NE(alone.err.find("kventool: " + SizeRefusal), std::string::npos) << c.command << ": " << alone.err;
    EXPECT_FALSE(std::filesystem::exists(single)) << c.command;
    if (c.command == "decode") {
      EXPECT_EQ(nlohmann::ordered_json::parse(alone.out),
                nlohmann::ordered_json({{"valid", false}, {"message", SizeRefusal}, {"note", ""}}));
    } else {
      EXPECT_EQ(alone.out, "") << c.command;
    }
  }
}

// The formats other programs read: each written file reads back to the
// diagram it came from; a diagram the format cannot hold is refused with
// the reason and writes nothing; what a format leaves out is said.
TEST(Kventool, PuzJpzAndXdWriteWhatReadsBack) {
  const ScratchFolder scratch;
  const auto blocks = [](const std::string& json) { return nlohmann::json::parse(json)["blocks"]; };
  const std::string original = Kventool("decode " + Example("block-twofold.txt")).out;
  for (const std::string format : {"puz", "jpz", "xd"}) {
    const std::string file = scratch / ("clasp." + format);
    const ToolRun written = Kventool(format + " " + Example("block-twofold.txt") + " -o " + file);
    ASSERT_EQ(written.status, 0) << format << ": " << written.err;
    const ToolRun back = Kventool("decode " + file);
    EXPECT_EQ(back.status, 0) << format << ": " << back.err;
    EXPECT_EQ(blocks(back.out), blocks(original)) << format;
  }
  for (const std::string format : {"puz", "xd"}) {
    const std::string file = scratch / ("bars." + format);
    const ToolRun bars = Kventool(format + " " + Example("bar-fourfold.txt") + " -o " + file);
    EXPECT_EQ(bars.status, 1) << format;
    EXPECT_NE(bars.err.find("it is a bar diagram, and the format has no bars."), std::string::npos) << bars.err;
    EXPECT_FALSE(std::filesystem::exists(file)) << format;
  }
  const ToolRun several =
      Kventool("puz " + Example("block-twofold.txt") + " " + Example("clued.ipuz") + " -o " + (scratch / "all"));
  EXPECT_EQ(several.status, 0) << several.err;
  EXPECT_TRUE(std::filesystem::exists(scratch / "all/block-twofold.puz"));
  EXPECT_TRUE(std::filesystem::exists(scratch / "all/clued.puz"));
  EXPECT_NE(several.err.find("clued.ipuz: Markup in the clues (italics, bold) was left out."), std::string::npos)
      << several.err;
  const ToolRun styled = Kventool("puz " + std::string(KVEN_TEST_DATA_DIR) + "/ipuz/styled.ipuz");
  EXPECT_EQ(styled.status, 0);
  EXPECT_EQ(styled.out.substr(2, 12), std::string("ACROSS&DOWN\0", 12));
  EXPECT_EQ(styled.err, "kventool: The Across Lite puzzle has no place for shaded squares: left out.\n");
}

// What an import left out is said by every command, and decode's JSON
// carries it too.
TEST(Kventool, EveryCommandTellsOfLostLetters) {
  const ScratchFolder scratch;
  for (const CommandCase& c : EveryCommand()) {
    const std::string to = c.extension.empty() ? "" : " -o " + (scratch / ("rebus" + c.extension));
    const ToolRun run = Kventool(c.command + " -" + to, RebusIpuz);
    EXPECT_LE(run.status, 1) << c.command << ": " << run.err;
    EXPECT_NE(run.err.find("kventool: " + LostLetters), std::string::npos) << c.command << ": " << run.err;
    if (c.command == "decode") {
      const auto j = nlohmann::json::parse(run.out);
      EXPECT_EQ(j["valid"], true);
      EXPECT_EQ(j["note"], LostLetters);
    }
  }
}

TEST(Kventool, VersionNamesTheProjectsVersionAndLicence) {
  for (const char* args : {"--version", "decode --version"}) {
    const ToolRun run = Kventool(args);
    EXPECT_EQ(run.status, 0) << args;
    EXPECT_EQ(run.out, "kventool (KVEN3) " KVEN_VERSION "\nLicence: MIT\n") << args;
  }
}

}  // namespace

// A list that fills the top-left 3 x 3 of a 5 x 5 grid in two ways, across
// and down swapped.
const std::string CornerGrid = "KVEN 0 5 5\r\nBLK 4 5 9 10 14 15 16 17 18 19 20 21 22 23 24 25 Z\r\n";
const std::string CornerWords = "cat\nore\nwed\ncow\nare\nted\nbad entry!\n";

std::string WordsFile(const ScratchFolder& scratch, const std::string& text) {
  const std::string path = scratch / "words";
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(KventoolFill, WritesTheFilledPuzzleAndTellsWhyNoFillIsFound) {
  const ScratchFolder scratch;
  const std::string words = WordsFile(scratch, CornerWords);
  const ToolRun filled = Kventool("fill - --words " + words + " --seed 3", CornerGrid);
  ASSERT_EQ(filled.status, 0) << filled.err;
  const std::size_t ans = filled.out.find("ANS\r\n");
  ASSERT_NE(ans, std::string::npos) << filled.out;
  const std::string rows = filled.out.substr(ans + 5, 3 * 7);
  EXPECT_TRUE(rows == "CAT..\r\nORE..\r\nWED..\r\n" || rows == "COW..\r\nARE..\r\nTED..\r\n") << rows;
  EXPECT_NE(filled.err.find("Read 6 words (1 entries skipped)"), std::string::npos) << filled.err;

  const ToolRun none = Kventool("fill - --words " + words + " --min-score 60", CornerGrid);
  EXPECT_EQ(none.status, 1);
  EXPECT_NE(none.err.find("no fill exists"), std::string::npos) << none.err;
  EXPECT_EQ(none.out, "");

  const ToolRun missing = Kventool("fill - --words /nonexistent/list", CornerGrid);
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("Cannot open file /nonexistent/list"), std::string::npos);
}

TEST(KventoolSuggest, PrintsWordsThatFitWithTheirScores) {
  const ScratchFolder scratch;
  const std::string words = WordsFile(scratch, "cat;70\ncow;60\nore\nwed\nare\nted\ncup;90\n");
  const ToolRun run = Kventool("suggest - --words " + words + " --entry '1,1 across'", CornerGrid);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "CAT 70\nCOW 60\n");
  const ToolRun unknown = Kventool("suggest - --words " + words + " --entry '9 down'", CornerGrid);
  EXPECT_EQ(unknown.status, 2);
  const ToolRun misplaced = Kventool("suggest - --seed 4 --entry '1,1 across'", CornerGrid);
  EXPECT_EQ(misplaced.status, 2);
}

TEST(KventoolWords, FindsWordsByPatternAndAnagramBestFirst) {
  const ScratchFolder scratch;
  const std::string words = WordsFile(scratch, "cat;70\ncot;80\ncut\nprecision;50\npretension 40\n# mine\nlisten\nsilent;60\n");
  const ToolRun pattern = Kventool("words 'c?t' --words " + words);
  ASSERT_EQ(pattern.status, 0) << pattern.err;
  EXPECT_EQ(pattern.out, "COT 80\nCAT 70\nCUT 50\n");
  EXPECT_EQ(Kventool("words 'PRE*ION' --words " + words + " --limit 1").out, "PRECISION 50\n");
  EXPECT_EQ(Kventool("words --anagram enlist --words " + words).out, "SILENT 60\nLISTEN 50\n");
  EXPECT_EQ(Kventool("words 'Q*' --words " + words).status, 1);
  EXPECT_EQ(Kventool("words 'c-t' --words " + words).status, 2);
  EXPECT_EQ(Kventool("words --words " + words).status, 2);
}

TEST(KventoolFill, ReportsTheFillsQualityAndHonoursStackedAndAvoidLists) {
  const ScratchFolder scratch;
  const std::string words = WordsFile(scratch, "cat;90\nore;40\nwed;60\ncow;70\nare;30\nted;50\nrat;90\n");
  const std::string over = scratch / "over";
  std::ofstream(over) << "are;55\n";
  const std::string avoid = scratch / "avoid";
  std::ofstream(avoid) << "rat\n";
  const ToolRun run = Kventool("fill - --words " + words + " --words " + over + " --avoid " + avoid + " --report", CornerGrid);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("Quality: 6 entries, lowest score 40, mean 60.8; 1 below 50: "), std::string::npos) << run.err;
  EXPECT_EQ(run.out.find("RAT"), std::string::npos);
  std::ofstream(avoid) << "cat\n";
  EXPECT_EQ(Kventool("fill - --words " + words + " --avoid " + avoid, CornerGrid).status, 1);
}
