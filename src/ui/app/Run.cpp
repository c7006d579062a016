#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>
#include <QFile>
#include <cstdio>
#include <unistd.h>

#include "Icons.h"
#include "MainWindow.h"
#include "Recovery.h"
#include "documents/FormWindow.h"
#include "model/FormFile.h"

namespace tw::ui {
namespace {

// From the kernel's start time of this process to now, in milliseconds (10 ms steps); -1 when unknown.
long long msSinceProcessStart() {
  QFile stat("/proc/self/stat"), uptime("/proc/uptime");
  if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return -1;
  QString s = QString::fromLatin1(stat.readAll());
  QStringList fields = s.mid(s.lastIndexOf(')') + 2).split(' ');
  if (fields.size() < 20) return -1;
  double startTicks = fields[19].toDouble();  // field 22 of the whole line
  double up = QString::fromLatin1(uptime.readAll()).split(' ').value(0).toDouble();
  return static_cast<long long>((up - startTicks / double(sysconf(_SC_CLK_TCK))) * 1000.0);
}

}  // namespace

int runDesigner(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarnowick");
  QApplication::setWindowIcon(commandIcon("newproject"));
  MainWindow main{StartOptions{}};
  main.recovery()->keepCopiesIn(recoveryRoot(ss(qEnvironmentVariable("XDG_STATE_HOME")), ss(QDir::homePath())));
  // Without a window manager a maximized window keeps its size: give it the screen's work area too.
  if (QScreen* screen = QGuiApplication::primaryScreen()) main.setGeometry(screen->availableGeometry());
  main.showMaximized();

  // A project or form file named on the command line is opened as its command opens it.
  // Work that a crashed run left is offered first; once restored, it is not closed by opening a file.
  QStringList args = QApplication::arguments();
  if (!main.recovery()->offer() && args.size() > 1) {
    std::string path = ss(QFileInfo(args[1]).absoluteFilePath());
    if (args[1].endsWith(".twk", Qt::CaseInsensitive)) {
      UiHooks::fileDialog = [path](const FileDialogInfo&, bool, const std::string&) { return path; };
      main.openForm();
      UiHooks::fileDialog = nullptr;
    } else {
      main.openProjectFile(path);
    }
  }

  // For timing the start-up only: quits once the shown window has been painted.
  if (qEnvironmentVariableIsSet("TW_QUIT_AFTER_START")) {
    QTimer::singleShot(0, &app, [&] {
      std::fprintf(stderr, "started in %lld ms (%lld ms since the process began)\n",
                   static_cast<long long>(clock.elapsed()), msSinceProcessStart());
      QCoreApplication::exit(0);  // not quit(): closing would ask the project's save question
    });
  }
  return QApplication::exec();
}

}  // namespace tw::ui
