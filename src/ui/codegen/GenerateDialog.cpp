#include "GenerateDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/MainWindow.h"
#include "app/UiHooks.h"
#include "codegen/CodePanes.h"
#include "codegen/GeneratedBase.h"
#include "codegen/Icons.h"
#include "codegen/OutputFolder.h"
#include "graphics/Fonts.h"
#include "base/Cp1252.h"
#include "ini/IniFile.h"
#include "model/Family.h"
#include "model/FormDocument.h"

Q_DECLARE_METATYPE(tw::FormDocument*)

namespace tw::ui {
namespace {

constexpr const char* kPageNames[4] = {"Main", "Forms", "Events", "Header"};
constexpr const char* kPaneNames[4] = {"memMain", "memForms", "memEvents", "memHeader"};
constexpr const char* kCopyNames[4] = {"butCopyMain", "butCopyF", "butCopyE", "butCopyH"};
constexpr FileDialogInfo kOutputFolderDialog{"Select the output directory", "", "", ""};
constexpr int kIconZoom = 2;  // the slots show their pictures at twice their size

QImage defaultPicture(const IconSlot& slot) {
  std::string bytes = defaultIconFile(slot.width, slot.height, slot.bitsPerPixel);
  return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()), "BMP");
}

// The folder of a file, with its path separator at the end.
std::string folderOf(const std::string& file) {
  auto slash = file.find_last_of('/');
  return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

IconSlotView::IconSlotView(size_t slot, QWidget* parent) : QLabel(parent), slot_(slot) {
  const IconSlot& s = iconSlots()[slot];
  setObjectName(QString("img") + s.key);
  setToolTip(s.openTitle);
  setFrameShape(QFrame::Box);
  setAlignment(Qt::AlignCenter);
  setFixedSize(s.width * kIconZoom + 6, s.height * kIconZoom + 6);
  setCursor(Qt::PointingHandCursor);
}

void IconSlotView::setPicture(const QImage& picture) {
  picture_ = picture;
  const IconSlot& s = iconSlots()[slot_];
  setPixmap(QPixmap::fromImage(picture.scaled(s.width * kIconZoom, s.height * kIconZoom, Qt::IgnoreAspectRatio,
                                              Qt::FastTransformation)));
}

void IconSlotView::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked(slot_);
  QLabel::mouseReleaseEvent(e);
}

GenerateDialog::GenerateDialog(MainWindow& main) : QDialog(&main), main_(main) {
  setObjectName("frmGenerate");
  setWindowTitle("Tarnowick 1.0 - Generate Code");
  setSizeGripEnabled(true);
  auto* top = new QHBoxLayout(this);

  // ---- Left: the folder, the first form, the target, the application's settings, the buttons.
  auto* left = new QWidget(this);
  left->setFixedWidth(330);
  auto* ll = new QVBoxLayout(left);
  ll->setContentsMargins(0, 0, 0, 0);

  dedOutput = new QLineEdit(left);
  dedOutput->setObjectName("dedOutput");
  butOutputBrowse = new QToolButton(left);
  butOutputBrowse->setObjectName("butOutputBrowse");
  butOutputBrowse->setText("...");
  butOutputBrowse->setToolTip("Select the output directory");
  ll->addWidget(buddyLabel("&Output Dir", dedOutput, left));
  auto* outRow = new QHBoxLayout;
  outRow->addWidget(dedOutput);
  outRow->addWidget(butOutputBrowse);
  ll->addLayout(outRow);

  cmbForms = new QComboBox(left);
  cmbForms->setObjectName("cmbForms");
  cmbForms->setEditable(false);
  ll->addWidget(buddyLabel("&First Form", cmbForms, left));
  ll->addWidget(cmbForms);

  auto* target = new QGroupBox("Target", left);
  target->setObjectName("grpTarget");
  auto* tl = new QHBoxLayout(target);
  rbtPDE = new QRadioButton("&PDE", target);
  rbtPDE->setObjectName("rbtPDE");
  rbtMemos = new QRadioButton("Palm &memos", target);
  rbtMemos->setObjectName("rbtMemos");
  rbtPDE->setChecked(true);
  tl->addWidget(rbtPDE);
  tl->addWidget(rbtMemos);
  ll->addWidget(target);

  grpPrcProp = new QGroupBox("PRC properties", left);
  grpPrcProp->setObjectName("grpPrcProp");
  auto* gl = new QVBoxLayout(grpPrcProp);
  auto* form = new QFormLayout;
  auto field = [&](QLineEdit*& edit, const char* name, const char* caption, const char* initial, int maxLength) {
    edit = new QLineEdit(initial, grpPrcProp);
    edit->setObjectName(name);
    if (maxLength > 0) edit->setMaxLength(maxLength);
    form->addRow(buddyLabel(caption, edit, grpPrcProp), edit);
  };
  field(edtCID, "edtCID", "Creator &ID", "TKWX", int(kCreatorIdMax));
  field(edtAppName, "edtAppName", "App &name", "Application", 0);
  field(edtAppDB, "edtAppDB", "&DB name", "ApplicationDB", int(kAppDbMax));
  field(edtVersion, "edtVersion", "App &version", "1.0", 0);
  gl->addLayout(form);

  auto* iconsBox = new QGroupBox("Icons", grpPrcProp);
  iconsBox->setObjectName("grpIcons");
  auto* il = new QGridLayout(iconsBox);
  // Large ones on the first row, small ones on the second, by depth; each with its caption below.
  for (size_t i = 0; i < kIconSlotCount; ++i) {
    const IconSlot& s = iconSlots()[i];
    bool large = i % 2 == 0;
    int column = int(i / 2);
    icons[i] = new IconSlotView(i, iconsBox);
    icons[i]->setPicture(defaultPicture(s));
    auto* caption = new QLabel(s.caption, iconsBox);
    caption->setAlignment(Qt::AlignHCenter);
    int row = large ? 0 : 2;
    il->addWidget(icons[i], row, column, Qt::AlignHCenter | Qt::AlignBottom);
    il->addWidget(caption, row + 1, column, Qt::AlignHCenter | Qt::AlignTop);
    connect(icons[i], &IconSlotView::clicked, this, &GenerateDialog::chooseIcon);
  }
  gl->addWidget(iconsBox);
  ll->addWidget(grpPrcProp);

  butGenerar = new QPushButton("&Generate", left);
  butGenerar->setObjectName("butGenerar");
  butSave = new QPushButton("&Save", left);
  butSave->setObjectName("butSave");
  butSave->setEnabled(false);
  butSalir = new QPushButton("E&xit", left);
  butSalir->setObjectName("butSalir");
  for (QPushButton* b : {butGenerar, butSave, butSalir}) {
    b->setAutoDefault(false);
    ll->addWidget(b);
  }
  ll->addStretch();
  top->addWidget(left);

  // ---- Right: the four panes, each with its Copy button and counters.
  pagGenerate = new QTabWidget(this);
  pagGenerate->setObjectName("pagGenerate");
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (int i = 0; i < 4; ++i) {
    auto* page = new QWidget;
    page->setObjectName(QString("tab") + kPageNames[i]);
    auto* pl = new QVBoxLayout(page);
    auto* row = new QHBoxLayout;
    copyButtons[size_t(i)] = new QPushButton("&Copy", page);
    copyButtons[size_t(i)]->setObjectName(kCopyNames[i]);
    copyButtons[size_t(i)]->setAutoDefault(false);
    lineCounters[size_t(i)] = new QLabel(page);
    lineCounters[size_t(i)]->setObjectName(QString("lbl") + kPageNames[i] + "Lines");
    lineCounters[size_t(i)]->setMinimumWidth(90);
    charCounters[size_t(i)] = new QLabel(page);
    charCounters[size_t(i)]->setObjectName(QString("lbl") + kPageNames[i] + "Chars");
    charCounters[size_t(i)]->setMinimumWidth(90);
    row->addWidget(copyButtons[size_t(i)]);
    row->addSpacing(12);
    row->addWidget(lineCounters[size_t(i)]);
    row->addWidget(charCounters[size_t(i)]);
    row->addStretch();
    pl->addLayout(row);
    auto* pane = new QPlainTextEdit(page);
    pane->setObjectName(kPaneNames[i]);
    pane->setFont(fixed);
    pane->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setTabChangesFocus(false);
    panes[size_t(i)] = pane;
    pl->addWidget(pane);
    pagGenerate->addTab(page, kPageNames[i]);
    connect(pane, &QPlainTextEdit::textChanged, this, [this, i] { countPane(i); });
    connect(copyButtons[size_t(i)], &QPushButton::clicked, this, [this, i] { copyPane(i); });
  }
  top->addWidget(pagGenerate, 1);

  connect(butOutputBrowse, &QToolButton::clicked, this, &GenerateDialog::browseOutput);
  connect(butGenerar, &QPushButton::clicked, this, &GenerateDialog::generate);
  connect(butSave, &QPushButton::clicked, this, &GenerateDialog::save);
  connect(butSalir, &QPushButton::clicked, this, &QDialog::reject);
  connect(rbtPDE, &QRadioButton::toggled, this, [this](bool on) {
    if (on) targetChanged();
  });
  connect(rbtMemos, &QRadioButton::toggled, this, [this](bool on) {
    if (on) targetChanged();
  });
}

void GenerateDialog::run() {
  prepare();
  // Without a window manager a maximized window keeps its size: give it the screen's work area too.
  if (QScreen* s = main_.screen()) setGeometry(s->availableGeometry());
  setWindowState(windowState() | Qt::WindowMaximized);
  exec();
}

std::vector<const FormDocument*> GenerateDialog::openForms() const {
  std::vector<const FormDocument*> forms;
  for (int i = 0; i < cmbForms->count(); ++i) forms.push_back(cmbForms->itemData(i).value<FormDocument*>());
  return forms;
}

void GenerateDialog::prepare() {
  const std::string& projectFile = main_.projectFile();
  clearPanes();
  switch (main_.designer().library) {
    case kLibCControls: setWindowTitle("Tarnowick 1.0 - Generate code - CControls"); break;
    case kLibPToolbox: setWindowTitle("Tarnowick 1.0 - Generate code - PToolboxLib"); break;
    default: break;
  }
  pagGenerate->setCurrentIndex(0);

  // The folder field keeps what was typed between showings for the same project; another project
  // starts from its own folder rather than the last project's.
  if (dedOutput->text().isEmpty() || shownFor_ != projectFile) dedOutput->setText(qs(folderOf(projectFile)));
  shownFor_ = projectFile;

  cmbForms->clear();
  for (const auto& f : main_.designer().forms())
    if (f->visible) cmbForms->addItem(qs(f->formName), QVariant::fromValue(f.get()));
  cmbForms->setCurrentIndex(cmbForms->count() > 0 ? 0 : -1);

  IniFile ini;
  std::string why;
  if (!ini.load(projectFile, &why)) main_.messages().error(why);
  GenerationSettings s = readGenerationSettings(ini, ss(dedOutput->text()));
  dedOutput->setText(qs(s.output));
  std::vector<const FormDocument*> forms = openForms();
  if (const FormDocument* first = pickFirstForm(forms, s.firstForm))
    cmbForms->setCurrentIndex(int(std::find(forms.begin(), forms.end(), first) - forms.begin()));
  (s.memos ? rbtMemos : rbtPDE)->setChecked(true);
  targetChanged();
  edtCID->setText(qs(s.creatorId));
  edtAppName->setText(qs(s.appName));
  edtAppDB->setText(qs(s.appDb));
  edtVersion->setText(qs(s.version));

  // A stored picture that no longer exists is ignored: the slot shows its default picture, which is
  // also what Save writes for it.
  iconPaths_ = existingIcons(s);
  for (size_t i = 0; i < kIconSlotCount; ++i) showIcon(i);

  // The panes were emptied above (and again by the target); the counters show nothing until a change.
  for (size_t i = 0; i < 4; ++i) {
    lineCounters[i]->clear();
    charCounters[i]->clear();
    counted_[i].clear();
  }
}

void GenerateDialog::showIcon(size_t slot) {
  QImage picture;
  if (!iconPaths_[slot].empty()) picture.load(qs(iconPaths_[slot]), "BMP");
  if (picture.isNull()) picture = defaultPicture(iconSlots()[slot]);
  icons[slot]->setPicture(picture);
}

GenerationSettings GenerateDialog::settingsFromFields() const {
  GenerationSettings s;
  s.output = ss(dedOutput->text());
  s.firstForm = ss(cmbForms->currentText());
  s.memos = rbtMemos->isChecked();
  s.creatorId = ss(edtCID->text());
  s.appName = ss(edtAppName->text());
  s.appDb = ss(edtAppDB->text());
  s.version = ss(edtVersion->text());
  s.icons = iconPaths_;
  return s;
}

void GenerateDialog::clearPanes() {
  for (QPlainTextEdit* p : panes) p->clear();
  butSave->setEnabled(false);
}

void GenerateDialog::targetChanged() {
  clearPanes();
  bool pde = rbtPDE->isChecked();
  grpPrcProp->setVisible(pde);
  butSave->setVisible(pde);
}

void GenerateDialog::countPane(int page) {
  // The editor also signals when it is first laid out or polished; only a change of text counts.
  QString text = panes[size_t(page)]->toPlainText();
  if (text == counted_[size_t(page)]) return;
  counted_[size_t(page)] = text;
  PaneCount c = tw::countPane(ss(text));
  lineCounters[size_t(page)]->setText(QString("%1 lines").arg(c.lines));
  charCounters[size_t(page)]->setText(QString("%1 chars").arg(c.chars));
}

void GenerateDialog::generate() {
  GenerationSettings s = settingsFromFields();
  std::string why;
  if (!storeCodeSettings(main_.projectFile(), s, &why)) main_.messages().error(why);

  lineCounters[0]->clear();
  charCounters[0]->clear();
  clearPanes();

  // The forms are painted once, as their windows show them, before the generators read them.
  GenerateRequest request;
  request.library = main_.designer().library;
  request.project = main_.projectName();
  for (int i = 0; i < cmbForms->count(); ++i) {
    FormDocument* f = cmbForms->itemData(i).value<FormDocument*>();
    f->applyPaintRules(handheldFonts());
    request.forms.push_back(f);
  }
  request.settings = s;
  GeneratedCode code;
  if (!generateCode(request, code, &why)) {
    main_.messages().error(why);
    return;
  }
  const Lines* texts[4] = {&code.main, &code.forms, &code.events, &code.header};
  for (size_t i = 0; i < 4; ++i) {
    panes[i]->setPlainText(qs(paneText(*texts[i])));
    panes[i]->moveCursor(QTextCursor::Start);
    panes[i]->ensureCursorVisible();
  }
  butSave->setEnabled(true);
}

void GenerateDialog::save() {
  if (!butSave->isEnabled()) return;
  GeneratedCode code;
  Lines* texts[4] = {&code.main, &code.forms, &code.events, &code.header};
  for (size_t i = 0; i < 4; ++i) {
    std::string text = ss(panes[i]->toPlainText());
    // Files are written in the handheld's character set: refuse what it cannot hold rather than lose it.
    if (!fitsCp1252(text)) {
      main_.messages().error(std::string("The ") + kPageNames[i] +
                             " pane holds characters that the handheld's character set does not have. "
                             "Nothing was saved.");
      pagGenerate->setCurrentIndex(int(i));
      return;
    }
    *texts[i] = paneLines(text);
  }

  GenerationSettings folder;
  folder.output = ss(dedOutput->text());
  OutputRequest request;
  request.folder = outputFolderFor(folder, main_.projectFile());
  request.project = main_.projectName();
  request.projectFile = main_.projectFile();
  request.library = main_.designer().library;
  request.memos = rbtMemos->isChecked();
  request.icons = iconPaths_;
  request.replaceIcons = true;
  Messages& messages = main_.messages();
  OutputResult result = saveOutputFolder(request, code, [this, &messages](const std::string& path) {
    if (!hasGeneratedBase(path)) {
      MsgButton b = messages.show({MsgIcon::Warning, "Warning", replaceQuestionText(path), kYes | kNo | kCancel, kNo});
      return b == kYes ? ReplaceAnswer::Yes : b == kCancel ? ReplaceAnswer::Cancel : ReplaceAnswer::No;
    }
    return askMerge(path);
  });
  if (!result.ok()) messages.error(result.error);
  for (const auto& w : result.warnings) messages.warning(w);
  if (!result.merged.empty() || !result.conflicts.empty()) {
    std::string text = std::to_string(result.merged.size()) +
                       (result.merged.size() == 1 ? " file was" : " files were") + " merged cleanly.";
    if (!result.conflicts.empty()) {
      text += "\n\nThese files hold conflicts to resolve, between <<<<<<< and >>>>>>> lines:";
      for (const auto& f : result.conflicts) text += "\n" + f;
    }
    result.conflicts.empty() ? messages.information(text) : messages.warning(text);
  }
}

ReplaceAnswer GenerateDialog::askMerge(const std::string& path) {
  // A file the user changed since it was generated: merging keeps both, so it is the default. The
  // box's buttons are standard ones with other words, so that they answer as every box's do.
  QMessageBox box(QMessageBox::Warning, "Warning", qs(mergeQuestionText(path)), QMessageBox::NoButton, this);
  const std::pair<QMessageBox::StandardButton, const char*> buttons[] = {
      {QMessageBox::Yes, "&Merge"}, {QMessageBox::Ok, "&Replace"}, {QMessageBox::No, "&Keep"}, {QMessageBox::Cancel, nullptr}};
  for (const auto& [button, label] : buttons)
    if (label) box.addButton(button)->setText(label);
    else box.addButton(button);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  UiMessages& messages = main_.messages();
  if (messages.onModal) messages.onModal(true);
  box.exec();
  if (messages.onModal) messages.onModal(false);
  switch (box.clickedButton() ? box.standardButton(box.clickedButton()) : QMessageBox::Cancel) {
    case QMessageBox::Yes: return ReplaceAnswer::Merge;
    case QMessageBox::Ok: return ReplaceAnswer::Yes;
    case QMessageBox::No: return ReplaceAnswer::No;
    default: return ReplaceAnswer::Cancel;
  }
}

void GenerateDialog::chooseIcon(size_t slot) {
  const IconSlot& s = iconSlots()[slot];
  const FileDialogInfo dialog{s.openTitle, "Bitmaps (*.bmp)", "*.bmp", "bmp"};
  auto path = runFileDialog(this, dialog, false, iconPaths_[slot]);
  if (!path) return;
  QImage picture;
  if (!picture.load(qs(*path), "BMP")) {
    main_.messages().error(*path + " is not a bitmap picture. The " + s.caption + " icon stays as it was.");
    return;
  }
  iconPaths_[slot] = *path;
  icons[slot]->setPicture(picture);
  std::string why;
  if (!storeIconChoice(main_.projectFile(), slot, *path, &why)) main_.messages().error(why);
}

void GenerateDialog::browseOutput() {
  std::optional<std::string> chosen;
  const std::string current = ss(dedOutput->text());
  if (UiHooks::fileDialog) {
    chosen = UiHooks::fileDialog(kOutputFolderDialog, false, current);
  } else {
    QString d = QFileDialog::getExistingDirectory(this, kOutputFolderDialog.title, qs(current));
    if (!d.isEmpty()) chosen = ss(d);
  }
  if (!chosen || chosen->empty()) return;
  dedOutput->setText(qs(normaliseOutputFolder(*chosen)));
}

void GenerateDialog::copyPane(int page) {
  QPlainTextEdit* pane = panes[size_t(page)];
  pane->selectAll();
  QApplication::clipboard()->setText(pane->toPlainText());
}

void GenerateDialog::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_F1) {
    main_.showHelp(7);
    return;
  }
  QDialog::keyPressEvent(e);
}

}  // namespace tw::ui
