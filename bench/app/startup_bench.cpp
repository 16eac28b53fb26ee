// Start-up benchmark for X11 programs: starts a program, waits until its
// top-level window is mapped, notes the time from fork to the MapNotify (and
// the CPU time the program used until then) and its resident memory a moment
// later, kills it, and repeats. Two programs run alternately in one session,
// so both see the same machine load; the first is compared with the second
// (the baseline).
//
//   startup_bench [-n RUNS] [-s SETTLE_MS] [-t TIMEOUT_MS] PROGRAM BASELINE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
  int runs = 15;
  int settleMs = 300;
  int timeoutMs = 20000;
  std::vector<std::string> programs;
};

struct Sample {
  double startupMs = 0;
  double cpuMs = 0;
  long rssKb = 0;
  long dirtyKb = 0;
};

struct Program {
  std::string path;
  std::vector<Sample> samples;
};

[[noreturn]] void Usage(const char* self) {
  std::fprintf(stderr, "usage: %s [-n RUNS] [-s SETTLE_MS] [-t TIMEOUT_MS] PROGRAM BASELINE\n", self);
  std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
  Options o;
  int opt;
  while ((opt = getopt(argc, argv, "n:s:t:")) != -1) {
    switch (opt) {
      case 'n':
        o.runs = std::atoi(optarg);
        break;
      case 's':
        o.settleMs = std::atoi(optarg);
        break;
      case 't':
        o.timeoutMs = std::atoi(optarg);
        break;
      default:
        Usage(argv[0]);
    }
  }
  for (int i = optind; i < argc; ++i) o.programs.emplace_back(argv[i]);
  if (o.programs.size() != 2 || o.runs < 1 || o.settleMs < 0 || o.timeoutMs < 1) Usage(argv[0]);
  return o;
}

// The type of a window property (None when the window has none) and its
// first item when that is a 32-bit number.
struct Property {
  Atom type = None;
  std::optional<long> first;
};

Property ReadProperty(Display* dpy, Window w, Atom name) {
  Property property;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(dpy, w, name, 0, 1, False, AnyPropertyType, &property.type, &format, &count, &after,
                         &data) != Success)
    return {};
  if (data != nullptr && format == 32 && count == 1)
    property.first = *reinterpret_cast<long*>(data);  // Xlib hands 32-bit items back as longs
  if (data != nullptr) XFree(data);
  return property;
}

// Whether a window just mapped under the root is the child's top-level
// window: Qt tags its windows with _NET_WM_PID; a client that does not is
// recognised by its title. Override-redirect windows (tooltips, menus) never
// count.
bool IsChildTopLevel(Display* dpy, const XMapEvent& map, pid_t child) {
  if (map.override_redirect) return false;
  static const Atom netWmPid = XInternAtom(dpy, "_NET_WM_PID", False);
  static const Atom netWmName = XInternAtom(dpy, "_NET_WM_NAME", False);
  const Property pid = ReadProperty(dpy, map.window, netWmPid);
  if (pid.type == XA_CARDINAL && pid.first) return *pid.first == child;
  return ReadProperty(dpy, map.window, XA_WM_NAME).type != None ||
         ReadProperty(dpy, map.window, netWmName).type != None;
}

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return -1;
}

// The pages the process wrote itself (heap, stacks, relocated data): most of
// VmRSS is library code, which the Qt programs of a desktop share.
long PrivateDirtyKb(pid_t pid) {
  std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
  std::string line;
  while (std::getline(rollup, line))
    if (line.rfind("Private_Dirty:", 0) == 0) return std::atol(line.c_str() + 14);
  return -1;
}

// CPU time the process has had so far, over all its threads: less disturbed
// than wall time when other work shares the machine.
double CpuMs(pid_t pid) {
  namespace fs = std::filesystem;
  double ns = 0;
  std::error_code ec;
  for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ec)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double onCpu = 0;
    if (schedstat >> onCpu) ns += onCpu;
  }
  return ns / 1e6;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
}

pid_t Spawn(const std::string& path) {
  const pid_t pid = fork();
  if (pid == 0) {
    // Warnings a program prints at each start would drown the results.
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) {
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
    }
    execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

// Waits for the MapNotify of the child's top-level window; the time it came,
// or nothing when the child died or the deadline passed first.
std::optional<Clock::time_point> WaitForMap(Display* dpy, pid_t pid, Clock::time_point deadline) {
  for (;;) {
    while (XPending(dpy) > 0) {
      XEvent ev;
      XNextEvent(dpy, &ev);
      if (ev.type == MapNotify && ev.xmap.event == DefaultRootWindow(dpy) && IsChildTopLevel(dpy, ev.xmap, pid))
        return Clock::now();
    }
    if (Clock::now() >= deadline || waitpid(pid, nullptr, WNOHANG) == pid) return std::nullopt;
    pollfd fd{ConnectionNumber(dpy), POLLIN, 0};
    poll(&fd, 1, 50);  // wakes up now and then to notice a child that died
  }
}

// One start of the program; nothing when it showed no window in time.
std::optional<Sample> RunOnce(Display* dpy, const std::string& path, const Options& o) {
  // Events of the previous child must not be taken for this one's.
  XSync(dpy, True);
  const auto start = Clock::now();
  const pid_t pid = Spawn(path);
  if (pid < 0) return std::nullopt;
  const auto mapped = WaitForMap(dpy, pid, start + std::chrono::milliseconds(o.timeoutMs));
  if (!mapped) {
    std::fprintf(stderr, "%s: no window mapped within %d ms, or the program exited\n", path.c_str(), o.timeoutMs);
    if (waitpid(pid, nullptr, WNOHANG) == 0) Stop(pid);  // still running: it timed out
    return std::nullopt;
  }
  Sample s;
  s.startupMs = std::chrono::duration<double, std::milli>(*mapped - start).count();
  s.cpuMs = CpuMs(pid);
  std::this_thread::sleep_for(std::chrono::milliseconds(o.settleMs));
  s.rssKb = ResidentKb(pid);
  s.dirtyKb = PrivateDirtyKb(pid);
  Stop(pid);
  return s;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

struct Summary {
  double startupMs, minMs, maxMs, cpuMs, rssMb, dirtyMb;
};

Summary Summarise(const Program& p) {
  std::vector<double> ms, cpu, rss, dirty;
  for (const Sample& s : p.samples) {
    ms.push_back(s.startupMs);
    cpu.push_back(s.cpuMs);
    rss.push_back(static_cast<double>(s.rssKb) / 1024.0);
    dirty.push_back(static_cast<double>(s.dirtyKb) / 1024.0);
  }
  return {Median(ms), *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()),
          Median(cpu), Median(rss), Median(dirty)};
}

}  // namespace

int main(int argc, char** argv) {
  const Options o = ParseOptions(argc, argv);
  Display* dpy = XOpenDisplay(nullptr);
  if (dpy == nullptr) {
    std::fprintf(stderr, "cannot open display %s\n", XDisplayName(nullptr));
    return 1;
  }
  XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);

  std::vector<Program> programs;
  for (const auto& path : o.programs) programs.push_back({path, {}});
  for (int run = 0; run < o.runs; ++run) {
    for (Program& p : programs) {
      auto sample = RunOnce(dpy, p.path, o);
      if (!sample) return 1;
      p.samples.push_back(*sample);
    }
  }
  XCloseDisplay(dpy);

  std::printf("%d runs each, RSS read %d ms after the window was mapped\n", o.runs, o.settleMs);
  std::printf("medians (start-up also min and max); CPU is the process's CPU time until the map\n");
  std::printf("%-16s %9s %8s %8s %10s %10s %10s\n", "program", "start-up", "min", "max", "CPU", "RSS", "dirty");
  std::vector<Summary> summaries;
  for (const Program& p : programs) {
    summaries.push_back(Summarise(p));
    const Summary& s = summaries.back();
    std::printf("%-16s %6.1f ms %5.1f ms %5.1f ms %7.1f ms %7.1f MB %7.1f MB\n",
                std::filesystem::path(p.path).filename().c_str(), s.startupMs, s.minMs, s.maxMs, s.cpuMs, s.rssMb,
                s.dirtyMb);
  }
  std::printf("ratio start-up: %.2f\n", summaries[0].startupMs / summaries[1].startupMs);
  std::printf("ratio CPU:      %.2f\n", summaries[0].cpuMs / summaries[1].cpuMs);
  std::printf("ratio RSS:      %.2f\n", summaries[0].rssMb / summaries[1].rssMb);
  std::printf("ratio dirty:    %.2f\n", summaries[0].dirtyMb / summaries[1].dirtyMb);
  return 0;
}
