// The design surface driven with the mouse and the keys on real form windows, offscreen, by the
// scripts of tests/data/golden/ui-surface.txt: selecting, moving and sizing, the context menu and the
// alignment tools, Delete, the clipboard, and undo and redo from the Edit menu, its tool buttons and
// its keys. Where the controls end up is the core's business; these check that the gestures reach it.
#include "UiScript.h"

using namespace tw::ui::test;

class SurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void scripts_data() { Script::rows("ui-surface.txt"); }
  void scripts() {
    QFETCH(QString, name);
    Script("ui-surface.txt", name).run();
  }
};

QTEST_MAIN(SurfaceTest)
#include "test_surface.moc"
