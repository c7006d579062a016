// Starts a program and prints how many milliseconds passed until a top-level window of the display
// was mapped (or, with -x, until the program ended); then ends the program. It looks every
// millisecond: a window seen in half-second steps would say nothing about a start of 200 ms.
// With -m MS it lets the program settle MS milliseconds after its window is mapped and prints, after
// the time, its resident memory in kilobytes.
//   first-window [-x | -m MS] PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// A window may go between the listing and the question about it; that is no error here.
static int ignore_errors(Display* d, XErrorEvent* e) {
  (void)d;
  (void)e;
  return 0;
}

static int mapped_top_levels(Display* d) {
  Window root, parent, *kids = NULL;
  unsigned n = 0;
  int mapped = 0;
  if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &kids, &n)) return 0;
  for (unsigned i = 0; i < n; ++i) {
    XWindowAttributes a;
    if (XGetWindowAttributes(d, kids[i], &a) && a.map_state == IsViewable) ++mapped;
  }
  if (kids) XFree(kids);
  return mapped;
}

static long resident_kb(pid_t pid) {
  char path[64], line[256];
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* f = fopen(path, "r");
  long kb = -1;
  while (f && fgets(line, sizeof line, f))
    if (sscanf(line, "VmRSS: %ld", &kb) == 1) break;
  if (f) fclose(f);
  return kb;
}

int main(int argc, char** argv) {
  int wait_exit = argc > 1 && strcmp(argv[1], "-x") == 0;
  int settle_ms = argc > 2 && strcmp(argv[1], "-m") == 0 ? atoi(argv[2]) : -1;
  char** program = argv + 1 + wait_exit + (settle_ms >= 0 ? 2 : 0);
  if (!*program) {
    fprintf(stderr, "usage: first-window [-x | -m MS] PROGRAM [ARGS...]\n");
    return 1;
  }
  // A display that was just started may not take connections yet.
  Display* d = NULL;
  for (int tries = 0; !d && tries < 50; ++tries) {
    if (tries) usleep(100000);
    d = XOpenDisplay(NULL);
  }
  if (!d) {
    fprintf(stderr, "first-window: no display\n");
    return 1;
  }
  XSetErrorHandler(ignore_errors);
  const int before = mapped_top_levels(d);
  const double start = now_ms();
  pid_t pid = fork();
  if (pid == 0) {
    // The program's own output would mix with the times.
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execvp(program[0], program);
    _exit(127);
  }
  int status = 0, seen = 0;
  const struct timespec step = {0, 1000000};
  while (now_ms() - start < 30000) {
    if (wait_exit) {
      if (waitpid(pid, &status, WNOHANG) == pid) {
        seen = 1;
        break;
      }
    } else if (mapped_top_levels(d) > before) {
      seen = 1;
      break;
    }
    nanosleep(&step, NULL);
  }
  const double elapsed = now_ms() - start;
  long kb = -1;
  if (seen && settle_ms >= 0) {
    const struct timespec settle = {settle_ms / 1000, (settle_ms % 1000) * 1000000L};
    nanosleep(&settle, NULL);
    kb = resident_kb(pid);
  }
  if (!wait_exit || !seen) {
    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
  }
  XCloseDisplay(d);
  if (!seen) {
    fprintf(stderr, "first-window: %s showed no window in 30 s\n", program[0]);
    return 1;
  }
  if (settle_ms >= 0)
    printf("%.1f %ld\n", elapsed, kb);
  else
    printf("%.1f\n", elapsed);
  return 0;
}
