#pragma once
// The driver of the window tests written as scripts.
#include "UiTest.h"

namespace tw::ui::test {

// A window test written as a script (tests/data/golden/ui-*.txt): a block "=== NAME" holds gestures and
// commands, one a line, a user's words where there are some; after each line the driver writes,
// indented, the boxes and file dialogs the user was asked and every part of the windows' state that
// changed. A block must read as the transcript of its run; TW_UPDATE_GOLDEN=1 writes the run's.
class Script {
 public:
  Script(const QString& file, const QString& name) : file_(QString(TW_DATA_DIR) + "/../tests/data/golden/" + file) {
    u_.dialog = [this](QDialog& d) {
      out_ << "  dialog " + d.objectName();
      auto* ed = qobject_cast<ItemsEditor*>(&d);
      if (ed) ed->memItems->setPlainText(items_);
      return int(ed ? QDialog::Accepted : QDialog::Rejected);
    };
    all_ = lines(file_);
    begin_ = all_.indexOf("=== " + name) + 1;
    for (end_ = begin_; end_ < all_.size() && !all_[end_].startsWith("=== ");) ++end_;
    while (end_ > begin_ && all_[end_ - 1].isEmpty()) --end_;
  }
  static QStringList lines(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n') : QStringList();
  }
  static void rows(const QString& file) {
    QTest::addColumn<QString>("name");
    int found = 0;
    for (const QString& l : lines(QString(TW_DATA_DIR) + "/../tests/data/golden/" + file))
      if (l.startsWith("=== ")) QTest::newRow(qPrintable(l.mid(4))) << l.mid(4), ++found;
    if (found == 0) QTest::newRow("no scripts found") << QString();  // a missing file fails, not passes
  }
  void run() {
    QVERIFY(begin_ > 0);
    const QStringList expected = all_.mid(begin_, end_ - begin_);
    for (const QString& line : expected) {
      if (line.startsWith("  ")) continue;
      out_ << line;
      if (!line.isEmpty() && !line.startsWith('#')) act(line.split(' ', Qt::SkipEmptyParts)), note();
      if (QTest::currentTestFailed()) return;
    }
    if (qEnvironmentVariableIsSet("TW_UPDATE_GOLDEN")) {
      QStringList now = all_;
      now.remove(begin_, end_ - begin_);
      for (int i = 0; i < out_.size(); ++i) now.insert(begin_ + i, out_[i]);
      QFile f(file_);
      QVERIFY(f.open(QIODevice::WriteOnly) && f.write(now.join('\n').toUtf8()) > 0);
      return;
    }
    for (int i = 0; i < std::max(out_.size(), expected.size()); ++i) QCOMPARE(out_.value(i), expected.value(i));
  }

 private:
  QTemporaryDir dir_;
  Session s_{StartOptions{ss(dir_.filePath("options.ini")), TW_DATA_DIR}};
  User& u_ = s_.u;
  MainWindow& w_ = s_.w;
  QString file_, items_;
  QStringList all_, out_;
  int begin_ = 0, end_ = 0;
  size_t asked_ = 0, dialogs_ = 0;
  std::map<QString, QString> last_, kept_;
  QImage picture_, magnified_;
  int scale_ = 1, checks_ = 0;

  QString shown(QString s) const { return s.replace(dir_.path(), "$DIR"); }
  // A file dialog's proposal outside the test's folder depends on where the tests ran before.
  QString proposed(const QString& s) const {
    return s.startsWith(dir_.path()) ? shown(s) : "elsewhere/" + QFileInfo(s).fileName();
  }
  QString path(const QString& name) const { return dir_.filePath(name); }
  FormDocument& form() { return *w_.designer().currentForm(); }
  FormView* view() { return w_.windowOf(&form())->view(); }
  FormDocument& formAt(const QString& n) { return *w_.designer().forms().at(size_t(n.toInt() - 1)); }
  // The point x, y of a control of the current form ("screen" for its screen, "view" for the window).
  QPoint at(const QStringList& a, int i) {
    const Control* c = a[i] == "view" ? nullptr : named(a[i]);
    // At a scale, the last widget pixel of the handheld pixel's block: one that rounds instead of
    // flooring, or that forgets the scale, lands a handheld pixel off.
    return test::at(c, a[i + 1].toInt(), a[i + 2].toInt()) * scale_ + QPoint(scale_ - 1, scale_ - 1);
  }
  Control* named(const QString& name) {
    Control* c = name == "screen" ? &form().screen() : form().findComponent(ss(name));
    if (!c) out_ << "  no control " + name;
    return c;
  }
  std::string fileText() { return formToIni(form()).serialize(); }

  void act(const QStringList& a) {
    const QString& c = a[0];
    const QString rest = a.mid(1).join(' ');
    const Qt::KeyboardModifiers shift = a.contains("shift") ? Qt::ShiftModifier : Qt::NoModifier;
    if (c == "start") {  // the state at the start
    } else if (c == "new") {
      newProject(w_, u_, a[2] == "CControls" ? 1 : a[2] == "PToolboxLib" ? 2 : 0);
    } else if (c == "zoom") {  // chosen with the keys from actual size
      trigger(w_, "mnuViewActualSize");
      for (scale_ = 1; scale_ < a[1].toInt(); ++scale_) QTest::keyClick(&w_, Qt::Key_Equal, Qt::ControlModifier);
      out_ << QString("  view: %1x%2").arg(view()->width()).arg(view()->height());
    } else if (c == "tool") {
      w_.paletteButton(toolNamed(a[1]))->click();
    } else if (c == "place") {
      int i = a.indexOf("in");
      w_.paletteButton(toolNamed(a[1]))->click();
      click(view(), at({i > 0 ? a[i + 1] : "screen", a[2], a[3]}, 0));
    } else if (c == "palette") {
      QString shown;
#define TW_TOOL(id, hint) if (w_.paletteButton(Tool::id)->defaultAction()->isVisible()) shown += " " #id;
#include "Tools.def"
#undef TW_TOOL
      out_ << "  palette " + w_.libraryPanel()->text() + ":" + shown;
    } else if (c == "list") {  // an entry of the inspector's control list picked, or the entries shown
      QComboBox* box = w_.inspector()->list();
      QStringList all;
      for (int i = 0; i < box->count(); ++i) all << box->itemText(i) + (i == box->currentIndex() ? " (shown)" : "");
      if (a.size() == 1) return void(out_ << "  list: " + all.join(", "));
      box->setCurrentIndex(box->findText(rest));
      emit box->activated(box->currentIndex());
    } else if (c == "enter") {
      enter(*w_.inspector(), qPrintable(a[1]));
    } else if (c == "choices") {
      QStringList all;
      for (int i = 0; i < w_.inspector()->cmbBoolean->count(); ++i) all << w_.inspector()->cmbBoolean->itemText(i);
      out_ << "  choices: " + all.join(", ");
    } else if (c == "font") {
      Font f;
      f.name = ss(a[2]);
      named(a[1])->property("Font")->set(*named(a[1]), PropValue(f));
      w_.changed();
    } else if (c == "click" || c == "shift-click" || c == "right-click") {
      click(view(), at(a, 1), c == "shift-click" ? Qt::ShiftModifier : Qt::NoModifier,
            c == "right-click" ? Qt::RightButton : Qt::LeftButton);
    } else if (c == "hover" || c == "shift-hover") {
      hover(view(), at(a, 1), c == "hover" ? Qt::NoModifier : Qt::ShiftModifier);
    } else if (c == "drag") {  // "shift" holds it from the hover on, "shift-hover" for the hover, "shift-press" after
      const int i = a.indexOf("to");
      const auto held = [&](const char* w) { return a.contains(w) || shift ? Qt::ShiftModifier : Qt::NoModifier; };
      drag(view(), at(a, i - 3), at(a, i + 1), held("shift-hover"), held("shift-press"));
    } else if (c == "press" || c == "double-press" || c == "release" || c == "move") {
      const QEvent::Type t = c == "press"  ? QEvent::MouseButtonPress
                             : c == "move" ? QEvent::MouseMove
                             : c == "release" ? QEvent::MouseButtonRelease : QEvent::MouseButtonDblClick;
      mouse(view(), t, at(a, 1), c == "move" ? Qt::NoButton : Qt::LeftButton, c == "release" ? Qt::NoButton : Qt::LeftButton);
    } else if (c == "bounds") {
      if (Control* b = named(a[1])) b->setBounds(a[2].toInt(), a[3].toInt(), a[4].toInt(), a[5].toInt());
    } else if (c == "focus") {
      a[1] == "list" ? w_.inspector()->list()->setFocus() : w_.inspector()->grid()->setFocus();
    } else if (c == "F1") {
      QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w_, Qt::Key_F1);
      out_ << "  help topic " + QString::number(w_.help()->topic());
    } else if (c == "key") {  // to the form, or "in inspector" to what has the focus there
      QComboBox* choice = w_.inspector()->cmbBoolean;
      QWidget* to = !a.contains("inspector") ? view()
                    : choice->isVisible()    ? static_cast<QWidget*>(choice)
                                             : cellEditor(*w_.inspector());
      if (!to) return void(out_ << "  no editor open");
      if (to == view()) to->setFocus();
      const QKeyCombination k = QKeySequence::fromString(a[1])[0];
      for (int n = 0; n < std::max(1, a.value(2).toInt()); ++n) QTest::keyClick(to, k.key(), k.keyboardModifiers());
    } else if (c == "do") {
      trigger(w_, qPrintable(a[1]));
    } else if (c == "context") {
      w_.windowOf(&form())->surface()->item(qPrintable(a[1]))->trigger();
      w_.windowOf(&form())->surface()->popMenu()->hide();
    } else if (c == "button") {
      w_.findChild<QToolButton*>(a[1])->click();
    } else if (c == "answer") {
      const std::map<QString, MsgButton> b{{"Yes", kYes}, {"No", kNo}, {"Cancel", kCancel}, {"Ok", kOk}};
      u_.answers.clear();  // answers not asked for are forgotten, as are file names
      for (const QString& x : a.mid(1)) u_.answers.push_back(b.at(x));
    } else if (c == "file") {
      u_.files.clear();
      for (const QString& x : a.mid(1))
        u_.files.push_back(x == "cancel" ? std::nullopt : std::optional(ss(path(x))));
    } else if (c == "close") {
      if (a.size() == 1) out_ << (w_.close() ? "  closed" : "  still open");
      else w_.windowOf(&formAt(a[2]))->close();
    } else if (c == "activate") {
      w_.formActivated(formAt(a[2]));
    } else if (c == "open") {
      a[1] == "recent" ? w_.openRecent(ss(path(a[2]))) : w_.openProjectFile(ss(path(a[2])));
    } else if (c == "type") {
      QLineEdit* ed = retype(*w_.inspector(), qPrintable(a[1]));
      const QString text = a.mid(2).join(' ');
      QKeyEvent k(QEvent::KeyPress, 0, Qt::NoModifier, text);  // as an input method types it: one key with it all
      text.toLatin1() == text.toUtf8() ? QTest::keyClicks(ed, text) : void(QApplication::sendEvent(ed, &k));
    } else if (c == "wait") {  // for the problems window's pause after the last change, twice over
      QTest::qWait(2 * ProblemsWindow::kDelayMs);
    } else if (c == "problems") {
      ProblemsWindow& p = *w_.problems();
      QStringList all;
      for (int i = 0; i < p.list()->topLevelItemCount(); ++i)
        all << p.list()->topLevelItem(i)->text(1) + " " + p.list()->topLevelItem(i)->text(2);
      for (auto [top, bottom] : w_.windowOf(&form())->problemRows()) all << QString("marked rows %1 to %2").arg(top).arg(bottom);
      out_ << "  problems: " + all.join("; ");
      checks_ = p.checks();
    } else if (c == "checks") {
      out_ << QString("  %1 checks since the problems were read").arg(w_.problems()->checks() - checks_);
    } else if (c == "double-click") {  // a problem's row, as the window system sends a double click
      QWidget* v = w_.problems()->list()->viewport();
      const QPoint at = w_.problems()->list()->visualItemRect(w_.problems()->list()->topLevelItem(a[2].toInt() - 1)).center();
      for (auto t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        mouse(v, t, at, Qt::LeftButton, t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton);
    } else if (c == "value") {
      out_ << "  " + a[1] + ": " + qs(w_.designer().valueText(ss(a[1])));
    } else if (c == "magnifier") {
      out_ << (w_.zoom()->shown() == magnified_ ? "  magnifier unchanged" : "  magnifier changed");
      magnified_ = w_.zoom()->shown();
    } else if (c == "pick") {
      QComboBox* box = w_.inspector()->cmbBoolean;
      enter(*w_.inspector(), qPrintable(a[1]));
      box->setCurrentIndex(box->findText(a[2]));
      emit box->activated(box->currentIndex());
    } else if (c == "items") {  // the items editor's text, "|" between lines, and its OK
      items_ = rest.split('|').join('\n');
      enter(*w_.inspector(), "Items");
      QVERIFY(u_.answered([&] { w_.inspector()->cmbItems->button->click(); }));
    } else if (c == "files") {
      out_ << "  files: " + QDir(dir_.path()).entryList(QDir::Files, QDir::Name).join(' ');
    } else if (c == "remove") {
      QFile::remove(path(a[1]));
    } else if (c == "remember") {
      kept_[a[1]] = qs(fileText());
    } else if (c == "compare") {
      out_ << (kept_[a[1]] == qs(fileText()) ? "  the form is as " : "  the form differs from ") + a[1];
    } else if (c == "clipboard") {
      if (a.size() > 1) QApplication::clipboard()->setText(rest);
      const QMimeData* m = QApplication::clipboard()->mimeData();
      out_ << "  clipboard: " + (m->hasFormat(kControlMimeType) ? QString("controls") : m->text());
    } else if (c == "cursor") {
      out_ << "  cursor: " + QString(QMetaEnum::fromType<Qt::CursorShape>().valueToKey(view()->cursor().shape()));
    } else if (c == "picture") {
      out_ << (view()->picture() == picture_ ? "  picture unchanged" : "  picture changed");
      picture_ = view()->picture();
    } else if (c == "ini") {
      IniFile ini;
      ini.load(ss(path(a[1])));
      out_ << "  " + rest + ": " + shown(qs(ini.readString(ss(a[2]), ss(a[3]), "-")));
    } else {
      out_ << "  no command " + c;
    }
  }

  std::map<QString, QString> state() {
    std::map<QString, QString> m;
    Designer& d = w_.designer();
    m["title"] = w_.windowTitle();
    m["project file"] = shown(qs(w_.projectFile()));
    for (const auto& f : w_.recent().items()) m["recent"] += shown(qs(f)) + " ";
    for (auto [a, key] : {std::pair{"mnuEditUndo", "undo"}, {"mnuEditRedo", "redo"}, {"mnuProjectGenerate", "generate"}}) {
      QAction* x = w_.findChild<QAction*>(a);
      m[key] = x->isEnabled() ? x->text().remove('&') : "off";
    }
    Control* sel = d.selectedControl();
    m["inspected"] = d.formInspected() ? "the form" : sel ? qs(sel->name()) : "nothing";
    m["inspector"] = QString("%1 rows, %2 in the list").arg(w_.inspector()->grid()->rowCount()).arg(w_.inspector()->list()->count());
    if (d.tool != Tool::None) m["tool"] = "down";
    PropertiesEditor& p = *w_.inspector();
    if (const int r = p.grid()->currentRow(); r >= 0 && p.grid()->hasFocus() + p.cmbBoolean->isVisible() + !!cellEditor(p)) {
      m["cell"] = p.grid()->item(r, 0)->text() + " = '" + p.grid()->item(r, 1)->text() + "'";
      if (p.cmbBoolean->isVisible()) m["cell"] += ", choosing '" + p.cmbBoolean->currentText() + "'";
      if (QLineEdit* e = cellEditor(p)) m["cell"] += ", typing '" + e->text() + "'";
    }
    if (w_.zoom()->held) m["magnifier"] = "held";
    for (const auto& f : d.forms()) {
      FormWindow* fw = w_.windowOf(f.get());
      m[qs(f->formName)] = fw->windowTitle() + (fw->isVisible() ? " shown" : " closed") +
                           (f.get() == d.currentForm() ? ", current" : "") +
                           (f->shownDialog ? ", showing " + qs(f->shownDialog->name()) : "") +
                           QString(", undo %1 redo %2").arg(f->history().undoCount()).arg(f->history().redoCount());
      if (auto* band = fw->view()->findChild<QRubberBand*>(); band && band->isVisible()) m["band"] = "shown";
      if (fw->surface()->popMenu()->isVisible()) m["context menu"] = "open";
      if (fw->surface()->snap.dragging()) m["dragging"] = "yes";
      f->forEachControl([&](const Control& c) {
        QString key = qs(c.name()), place;  // a window's menus have no parent and no place among siblings
        if (const Control* p = c.parent()) {
          auto& k = p->children();
          place = " #" + QString::number(std::find_if(k.begin(), k.end(), [&](auto& x) { return x.get() == &c; }) - k.begin());
        }
        for (const Control* p = c.parent(); p; p = p->parent()) key = qs(p->parent() ? p->name() : f->formName) + "/" + key;
        if (!c.parent()) key = qs(f->formName) + " window/" + key;
        m[key] = QString("%1,%2 %3x%4").arg(c.left()).arg(c.top()).arg(c.width()).arg(c.height()) + place +
                 (c.selected ? " selected" : "") + (c.visible ? "" : " hidden");
      });
    }
    return m;
  }

  void note() {
    QTest::qWait(10);  // a box that a key raises opens once the key has returned
    // ...(a slow machine may take longer: the editor commits on a later turn, and a box waits for
    // the turn after that), and is answered, and the window under it is active again.
    (void)QTest::qWaitFor([&] {
      return !w_.messages().waiting() && !QApplication::activeModalWidget() && (QApplication::activeWindow() || !w_.isVisible());
    });
    for (; asked_ < u_.asked.size(); ++asked_)
      out_ << "  " + qs(u_.asked[asked_].caption) + ": " + shown(qs(u_.asked[asked_].text));
    for (; dialogs_ < u_.dialogs.size(); ++dialogs_)
      out_ << "  file dialog " + qs(u_.dialogs[dialogs_].first) + ": " + proposed(qs(u_.dialogs[dialogs_].second));
    auto now = state();
    for (const auto& [k, v] : now)
      if (!last_.count(k) || last_[k] != v) out_ << "  " + k + ": " + v;
    for (const auto& [k, v] : last_)
      if (!now.count(k)) out_ << "  " + k + ": gone";
    last_ = now;
  }

  static Tool toolNamed(const QString& n) {
#define TW_TOOL(id, hint) if (n == #id) return Tool::id;
#include "Tools.def"
#undef TW_TOOL
    return Tool::None;
  }
};

}  // namespace tw::ui::test
