// Starts a program and prints how many milliseconds passed until a top-level window of the display
// was mapped (or, with -x, until the program ended); then ends the program. It looks every
// millisecond: a window seen in half-second steps would say nothing about a start of 200 ms.
//   first-window [-x] PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
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

int main(int argc, char** argv) {
  int wait_exit = argc > 1 && strcmp(argv[1], "-x") == 0;
  char** program = argv + 1 + wait_exit;
  if (!*program) {
    fprintf(stderr, "usage: first-window [-x] PROGRAM [ARGS...]\n");
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
  if (!wait_exit || !seen) {
    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
  }
  XCloseDisplay(d);
  if (!seen) {
    fprintf(stderr, "first-window: %s showed no window in 30 s\n", program[0]);
    return 1;
  }
  printf("%.1f\n", elapsed);
  return 0;
}
