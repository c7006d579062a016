#include "Dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "UiHooks.h"
#include "ini/IniFile.h"

namespace tw::ui {

NewProjectDialog::NewProjectDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("New project");
  setObjectName("frmNProyecto");
  auto* lay = new QVBoxLayout(this);
  auto* label = new QLabel("Form &library", this);
  cmbLib = new QComboBox(this);
  cmbLib->setObjectName("cmbLib");
  cmbLib->addItems({"CControls", "PToolBox"});
  label->setBuddy(cmbLib);
  lay->addWidget(label);
  lay->addWidget(cmbLib);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  lay->addWidget(buttons);
}

bool NewProjectDialog::ask(int& library) {
  cmbLib->setCurrentIndex(library == 1 || library == 2 ? library - 1 : -1);
  if (exec() != QDialog::Accepted) return false;
  library = cmbLib->currentIndex() + 1;
  return true;
}

OptionsDialog::OptionsDialog(QWidget* parent, IniFile& options, std::string optionsPath)
    : QDialog(parent), options_(options), path_(std::move(optionsPath)) {
  setWindowTitle("Options");
  setObjectName("frmOpcionesGenerales");
  auto* lay = new QVBoxLayout(this);
  pages = new QTabWidget(this);
  auto* design = new QWidget;
  auto* dl = new QVBoxLayout(design);
  auto* group = new QGroupBox("Form color ", design);
  auto* gl = new QVBoxLayout(group);
  rbtGreen = new QRadioButton("&Green", group);
  rbtWhite = new QRadioButton("&White", group);
  gl->addWidget(rbtGreen);
  gl->addWidget(rbtWhite);
  dl->addWidget(group);
  pages->addTab(design, "Design");

  auto* code = new QWidget;
  auto* cl = new QVBoxLayout(code);
  auto* label = new QLabel("&CControls path", code);
  auto* row = new QHBoxLayout;
  fedCControls = new QLineEdit(code);
  label->setBuddy(fedCControls);
  auto* browse = new QPushButton("...", code);
  row->addWidget(fedCControls);
  row->addWidget(browse);
  cl->addWidget(label);
  cl->addLayout(row);
  cl->addStretch();
  pages->addTab(code, "Code generation");
  connect(browse, &QPushButton::clicked, this, [this] {
    QString f = QFileDialog::getOpenFileName(this, "Selecct CControls path", fedCControls->text(),
                                             "CControls.c (CControls.c)");
    if (!f.isEmpty()) fedCControls->setText(f);
  });
  lay->addWidget(pages);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  lay->addWidget(buttons);
}

bool OptionsDialog::run() {
  pages->setCurrentIndex(0);
  bool white = options_.readBool("Design", "FormWhite", false);
  rbtWhite->setChecked(white);
  rbtGreen->setChecked(!white);
  fedCControls->setText(qs(options_.readString("Code", "CControlsPath", "")));
  if (exec() != QDialog::Accepted) return false;
  options_.writeBool("Design", "FormWhite", rbtWhite->isChecked());
  options_.writeString("Code", "CControlsPath", ss(fedCControls->text()));
  options_.save(path_);
  return true;
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About Tarnowick");
  setObjectName("AboutBox");
  auto* lay = new QVBoxLayout(this);
  auto* name = new QLabel("<b>Tarnowick</b>", this);
  auto* version = new QLabel("Version 1.0", this);
  auto* what = new QLabel("A form designer for 160 x 160 handheld applications.", this);
  lay->addWidget(name);
  lay->addWidget(version);
  lay->addWidget(what);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  lay->addWidget(buttons);
}

}  // namespace tw::ui
