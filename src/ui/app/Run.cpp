#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>
#include <QFile>
#include <QProxyStyle>
#include <cstdio>
#include <map>
#include <unistd.h>

#include "FirstPaint.h"
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

// Every form window's title bar, the menu bar and each tool bar ask the style for the same few
// standard icons (close, restore, the extension arrow); the style builds each anew on every call,
// looking it up in the icon theme and decoding its picture, half a millisecond per form window.
// Made once, when first painted, they are shared; the menu bar's hidden extension arrow then no
// longer loads the image plug-ins on the way to the first window.
class SharedStandardIcons final : public QProxyStyle {
 public:
  QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
    // Of a style option, these icons heed only its direction.
    const Qt::LayoutDirection direction = option   ? option->direction
                                          : widget ? widget->layoutDirection()
                                                   : QGuiApplication::layoutDirection();
    auto it = made_.find({which, direction});
    if (it == made_.end()) {
      auto make = [this, which, direction] {
        QStyleOption asked;
        asked.direction = direction;
        return QProxyStyle::standardIcon(which, &asked, nullptr);
      };
      it = made_.emplace(std::pair{which, direction}, deferredIcon(make)).first;
    }
    return it->second;
  }

 private:
  mutable std::map<std::pair<StandardPixmap, Qt::LayoutDirection>, QIcon> made_;
};

}  // namespace

void openOnceShown(MainWindow& main, const QString& file, std::function<void()> done) {
  // Work that a crashed run left is offered first; once restored, it is not closed by opening a file.
  auto open = [&main, file, done = std::move(done)] {
    if (!main.recovery()->offer() && !file.isEmpty()) {
      std::string path = ss(QFileInfo(file).absoluteFilePath());
      if (file.endsWith(".twk", Qt::CaseInsensitive)) {
        UiHooks::fileDialog = [path](const FileDialogInfo&, bool, const std::string&) { return path; };
        main.openForm();
        UiHooks::fileDialog = nullptr;
      } else {
        main.openProjectFile(path);
      }
    }
    if (done) done();
  };
  afterFirstPaint(main, std::move(open));
}

int runDesigner(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarnowick");
  QApplication::setStyle(new SharedStandardIcons);
  MainWindow main{StartOptions{}};
  main.recovery()->keepCopiesIn(recoveryRoot(ss(qEnvironmentVariable("XDG_STATE_HOME")), ss(QDir::homePath())));
  // Without a window manager a maximized window keeps its size: give it the screen's work area too.
  if (QScreen* screen = QGuiApplication::primaryScreen()) main.setGeometry(screen->availableGeometry());
  main.showMaximized();
  // The window comes first; its icon and the file named on the command line follow it.
  QStringList args = QApplication::arguments();
  openOnceShown(main, args.size() > 1 ? args[1] : QString(), [&] {
    QApplication::setWindowIcon(commandIcon("newproject"));
    // For timing the start-up only: quits once the file's windows have been painted.
    if (qEnvironmentVariableIsSet("TW_QUIT_AFTER_START")) {
      QTimer::singleShot(0, &app, [&] {
        std::fprintf(stderr, "started in %lld ms (%lld ms since the process began)\n",
                     static_cast<long long>(clock.elapsed()), msSinceProcessStart());
        QCoreApplication::exit(0);  // not quit(): closing would ask the project's save question
      });
    }
  });
  return QApplication::exec();
}

}  // namespace tw::ui
