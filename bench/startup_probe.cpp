// Measures a program's start: the time from launch until a top-level window with the given
// title is mapped on the X display, and the program's resident memory a while later.
//   startup_probe TITLE SETTLE_MS PROGRAM [ARGS...]
// Prints: "mapped_ms=<ms> rss_kb=<kB>". Run it under Xvfb with no window manager.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

long ResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

bool HasTitle(Display* display, Window window, const char* title) {
  char* name = nullptr;
  bool match = XFetchName(display, window, &name) && name && std::strcmp(name, title) == 0;
  if (name) XFree(name);
  return match;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s TITLE SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const char* title = argv[1];
  const int settleMs = std::atoi(argv[2]);
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "no X display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[3], argv + 3);
    _exit(127);
  }
  double mappedMs = -1;
  while (mappedMs < 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify) {
      // The title may be set a moment after mapping; check both now and on later property changes.
      if (HasTitle(display, event.xmap.window, title)) {
        mappedMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      }
    }
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) {
      std::fprintf(stderr, "program ended before its window was mapped\n");
      return 1;
    }
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
  const long rss = ResidentKb(child);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  std::printf("mapped_ms=%.1f rss_kb=%ld\n", mappedMs, rss);
  XCloseDisplay(display);
  return 0;
}
