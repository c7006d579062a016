#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "Icons.h"
#include "MainWindow.h"
#include "documents/FormWindow.h"
#include "model/FormFile.h"

namespace tw::ui {

int runDesigner(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tarnowick");
  QApplication::setWindowIcon(commandIcon("newproject"));
  MainWindow main{StartOptions{}};
  // Without a window manager a maximized window keeps its size: give it the screen's work area too.
  if (QScreen* screen = QGuiApplication::primaryScreen()) main.setGeometry(screen->availableGeometry());
  main.showMaximized();

  // A project or form file named on the command line is opened as its command opens it.
  QStringList args = QApplication::arguments();
  if (args.size() > 1) {
    std::string path = ss(QFileInfo(args[1]).absoluteFilePath());
    if (args[1].endsWith(".twk", Qt::CaseInsensitive)) {
      UiHooks::fileDialog = [path](const FileDialogSpec&, bool, const std::string&) { return path; };
      main.openForm();
      UiHooks::fileDialog = nullptr;
    } else {
      main.openProjectFile(path);
    }
  }

  // For timing the start-up only: quits once the shown window has been painted.
  if (qEnvironmentVariableIsSet("TW_QUIT_AFTER_START")) {
    QTimer::singleShot(0, &app, [&] {
      std::fprintf(stderr, "started in %lld ms\n", static_cast<long long>(clock.elapsed()));
      QApplication::quit();
    });
  }
  return QApplication::exec();
}

}  // namespace tw::ui
