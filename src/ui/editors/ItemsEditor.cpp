#include "ItemsEditor.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QScreen>
#include <QVBoxLayout>

#include "app/UiHooks.h"
#include "model/ItemLines.h"

namespace tw::ui {

ItemsEditor::ItemsEditor(QWidget* parent, UiMessages& messages) : QDialog(parent), messages_(messages) {
  setObjectName("frmItemsEd");
  setWindowTitle("Items editor");
  setFixedSize(198, 224);
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(6, 6, 6, 6);
  lay->setSpacing(4);
  lblLineas = new QLabel(qs(itemCountText(0)), this);
  lblLineas->setObjectName("lblLineas");
  memItems = new QPlainTextEdit(this);
  memItems->setObjectName("memItems");
  memItems->setLineWrapMode(QPlainTextEdit::NoWrap);
  BitBtn1 = new QPushButton("Cancel", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn2 = new QPushButton("OK", this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setDefault(false);
  BitBtn2->setAutoDefault(false);
  BitBtn1->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);
  lay->addWidget(lblLineas);
  lay->addWidget(memItems, 1);
  lay->addLayout(buttons);
  connect(memItems, &QPlainTextEdit::textChanged, this, [this] {
    lblLineas->setText(qs(itemCountText(itemLines(ss(memItems->toPlainText())).size())));
  });
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
  connect(BitBtn2, &QPushButton::clicked, this, &ItemsEditor::okClicked);
}

void ItemsEditor::okClicked() {
  auto refused = refusedItem(itemLines(ss(memItems->toPlainText())));
  if (!refused) return accept();
  QTextCursor line(memItems->document()->findBlockByNumber(int(refused->line)));
  line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  memItems->setTextCursor(line);
  memItems->setFocus();
  UiMessages::InputScope input(messages_);  // the box waits until the click has returned
  messages_.error(refused->why);
}

void ItemsEditor::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  // Centred on the screen.
  if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
    move(s->availableGeometry().center() - rect().center());
}

bool ItemsEditor::edit(std::vector<std::string>& items) {
  memItems->setPlainText(qs(itemText(items)));
  memItems->setFocus();
  if (exec() != QDialog::Accepted) return false;
  items = itemLines(ss(memItems->toPlainText()));
  return true;
}

}  // namespace tw::ui
