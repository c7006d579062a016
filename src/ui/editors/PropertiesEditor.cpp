#include "PropertiesEditor.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "BitmapEditor.h"
#include "ItemsEditor.h"
#include "app/MainWindow.h"
#include "app/ProblemsWindow.h"
#include "app/SideWindows.h"
#include "app/UiHooks.h"
#include "base/NaturalOrder.h"
#include "ccontrols/CCBitmap.h"
#include "documents/FormWindow.h"
#include "model/History.h"
#include "model/Sheet.h"

namespace tw::ui {
namespace {

// The value cell's in-place text editor. Most rows apply their text as it is typed; a name is applied
// when the cell is committed (Enter, Tab, leaving the cell), so that typing one does not rename the
// control through every prefix on the way. Escape puts back the value the cell was entered with.
class ValueDelegate : public QStyledItemDelegate {
 public:
  explicit ValueDelegate(PropertiesEditor& owner) : QStyledItemDelegate(&owner), owner_(owner) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
    auto* e = new QLineEdit(parent);
    e->setObjectName("cellEditor");
    e->setFrame(false);
    PropertiesEditor* owner = &owner_;
    const int row = index.row();
    owner->beginCellVisit(row, e);
    QObject::connect(e, &QLineEdit::textEdited, owner, [owner, row](const QString& t) { owner->setEditText(row, t); });
    return e;
  }
  void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
    if (auto* e = qobject_cast<QLineEdit*>(editor)) owner_.commitCell(index.row(), e->text());
  }

 protected:
  bool eventFilter(QObject* editor, QEvent* e) override {
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
      owner_.revertCell();
    return QStyledItemDelegate::eventFilter(editor, e);
  }

 private:
  PropertiesEditor& owner_;
};

bool isEditorKey(const QKeyEvent* k) { return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter; }

}  // namespace

EllipsisEdit::EllipsisEdit(QWidget* parent, const char* name) : QWidget(parent) {
  setObjectName(name);
  auto* lay = new QHBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(0);
  text = new QLineEdit(this);
  text->setReadOnly(true);
  button = new QToolButton(this);
  button->setText("...");
  button->setFocusPolicy(Qt::NoFocus);
  lay->addWidget(text, 1);
  lay->addWidget(button);
  text->installEventFilter(this);
  connect(button, &QToolButton::clicked, this, &EllipsisEdit::ellipsis);
  hide();
}

bool EllipsisEdit::eventFilter(QObject* watched, QEvent* e) {
  if (watched == text && e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_F1) return false;  // context help
    if (isEditorKey(k)) {
      if (k->modifiers() & Qt::ControlModifier)
        emit ellipsis();
      else
        emit done();
    }
    return true;  // no other key does anything here
  }
  return QWidget::eventFilter(watched, e);
}

PropertiesEditor::PropertiesEditor(MainWindow& main) : main_(main) {
  setObjectName("frmProp");
  setWindowTitle("Properties Editor");
  resize(256, 270);
  auto* lay = new QVBoxLayout(this);
  lay->setContentsMargins(0, 0, 0, 0);
  lay->setSpacing(0);

  cmbForms = new QComboBox(this);
  cmbForms->setObjectName("cmbForms");
  cmbForms->setEditable(false);
  cmbForms->setFixedHeight(21);
  lay->addWidget(cmbForms);

  stgProperties = new QTableWidget(0, 2, this);
  stgProperties->setObjectName("stgProperties");
  stgProperties->horizontalHeader()->hide();
  stgProperties->verticalHeader()->hide();
  stgProperties->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  stgProperties->verticalHeader()->setDefaultSectionSize(18);
  stgProperties->verticalHeader()->setMinimumSectionSize(18);
  stgProperties->setColumnWidth(0, 130);
  stgProperties->horizontalHeader()->setStretchLastSection(true);
  stgProperties->setSelectionMode(QAbstractItemView::SingleSelection);
  stgProperties->setSelectionBehavior(QAbstractItemView::SelectItems);
  stgProperties->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
  auto* delegate = new ValueDelegate(*this);
  stgProperties->setItemDelegateForColumn(1, delegate);
  connect(delegate, &QAbstractItemDelegate::closeEditor, this, [this](QWidget* e) {
    if (e == openEditor_) openEditor_ = nullptr;
  });
  lay->addWidget(stgProperties, 1);

  // The overlay editors belong to the window and are laid over the value cell.
  cmbBoolean = new QComboBox(this);
  cmbBoolean->setObjectName("cmbBoolean");
  cmbBoolean->setEditable(false);
  cmbBoolean->hide();
  cmbItems = new EllipsisEdit(this, "cmbItems");
  cmbItems->text->setText("(Items)");
  cmbBitmap = new EllipsisEdit(this, "cmbBitmap");
  cmbBitmap->text->setText("(Content)");
  for (QObject* o : {static_cast<QObject*>(cmbBoolean), static_cast<QObject*>(cmbItems->text),
                     static_cast<QObject*>(cmbBitmap->text)})
    o->installEventFilter(this);

  connect(cmbForms, &QComboBox::activated, this, [this](int index) {
    UiMessages::InputScope input(main_.messages());
    Designer& d = main_.designer();
    FormDocument* form = d.currentForm();
    if (!form || index < 0) return;
    auto* c = reinterpret_cast<Control*>(cmbForms->itemData(index).value<quintptr>());
    if (c)
      d.select(*form, *c, false);
    else
      d.presentForm(*form);
    main_.changed();
  });
  connect(stgProperties, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
    if (filling_ || row < 0) return;
    // Column 0 holds the names; the value column is the one entered.
    if (col == 0) {
      stgProperties->setCurrentCell(row, 1);
      return;
    }
    if (row != entered_) enterCell(row);
  });
  connect(stgProperties, &QTableWidget::cellClicked, this, [this](int, int) {
    // A click on the row already entered brings its editor back.
    if (!cmbBoolean->isVisible()) enterCell(stgProperties->currentRow());
  });
  connect(cmbBoolean, &QComboBox::activated, this, [this](int index) {
    const int row = stgProperties->currentRow();
    if (row < 0 || index < 0) return;
    const QString text = cmbBoolean->itemText(index);
    if (QTableWidgetItem* item = stgProperties->item(row, 1)) item->setText(text);
    newCellVisit();
    apply(rowName(row), ss(text));
  });
  for (EllipsisEdit* ed : {cmbItems, cmbBitmap})
    connect(ed, &EllipsisEdit::done, this, [this, ed] {
      ed->hide();
      stgProperties->setFocus();
    });
  // The editors open once the key or click that asked for them has returned.
  connect(cmbItems, &EllipsisEdit::ellipsis, this, &PropertiesEditor::editItems, Qt::QueuedConnection);
  connect(cmbBitmap, &EllipsisEdit::ellipsis, this, &PropertiesEditor::editBitmap, Qt::QueuedConnection);
  auto replace = [this] {
    if (entered_ < 0) return;
    if (cmbBoolean->isVisible()) placeOver(cmbBoolean, entered_, 17);
    if (cmbItems->isVisible()) placeOver(cmbItems, entered_, 18);
    if (cmbBitmap->isVisible()) placeOver(cmbBitmap, entered_, 18);
  };
  connect(stgProperties->verticalScrollBar(), &QScrollBar::valueChanged, this, replace);
  connect(stgProperties->horizontalScrollBar(), &QScrollBar::valueChanged, this, replace);
  connect(stgProperties->horizontalHeader(), &QHeaderView::sectionResized, this, replace);
}

ItemsEditor* PropertiesEditor::itemsEditor() {
  if (!itemsEd_) itemsEd_ = new ItemsEditor(&main_, main_.messages());
  return itemsEd_;
}

BitmapEditor* PropertiesEditor::bitmapEditor() {
  if (!bmpEd_) bmpEd_ = new BitmapEditor(&main_, main_.messages(), [this](int topic) { main_.showHelp(topic); });
  return bmpEd_;
}

std::string PropertiesEditor::rowName(int row) const {
  const QTableWidgetItem* item = row >= 0 ? stgProperties->item(row, 0) : nullptr;
  return item ? ss(item->text()) : std::string();
}

void PropertiesEditor::fillForms() {
  Designer& d = main_.designer();
  cmbForms->clear();
  FormDocument* form = d.currentForm();
  if (!form) return;
  auto entries = d.controlList(*form);
  // Sorted by text as a person reads it: Button2 before Button14.
  std::stable_sort(entries.begin(), entries.end(),
                   [](const ListEntry& a, const ListEntry& b) { return naturalLess(a.text, b.text); });
  int current = -1;
  for (const ListEntry& e : entries) {
    cmbForms->addItem(qs(e.text), QVariant::fromValue(reinterpret_cast<quintptr>(e.control)));
    if (d.selectedForm() == form && e.control == d.selectedControl()) current = cmbForms->count() - 1;
  }
  cmbForms->setCurrentIndex(current);
}

void PropertiesEditor::refresh() {
  commitOpenEditor();  // its rows are about to be replaced
  filling_ = true;
  hideEditors();
  fillForms();
  Designer& d = main_.designer();
  const int oldRow = stgProperties->currentRow();
  stgProperties->setRowCount(0);
  if (d.selectedForm()) {
    const auto rows = d.propertyRows();
    stgProperties->setRowCount(int(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
      auto* name = new QTableWidgetItem(qs(rows[i].name));
      name->setFlags(Qt::ItemIsEnabled);
      name->setBackground(palette().button());
      auto* value = new QTableWidgetItem(qs(rows[i].text));
      const bool typed = rows[i].name != "Items" && rows[i].name != "Bitmap" && d.choices(rows[i].name).empty();
      value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | (typed ? Qt::ItemIsEditable : Qt::NoItemFlags));
      stgProperties->setItem(int(i), 0, name);
      stgProperties->setItem(int(i), 1, value);
    }
    if (!rows.empty() && oldRow >= 0) stgProperties->setCurrentCell(std::min(oldRow, int(rows.size()) - 1), 1);
  }
  entered_ = stgProperties->currentRow();
  filling_ = false;
}

void PropertiesEditor::hideEditors() {
  cmbBoolean->hide();
  cmbItems->hide();
  cmbBitmap->hide();
}

void PropertiesEditor::placeOver(QWidget* editor, int row, int height) {
  const QTableWidgetItem* item = stgProperties->item(row, 1);
  if (!item) return;
  const QRect cell = stgProperties->visualItemRect(item);
  const QPoint at = stgProperties->viewport()->mapTo(this, cell.topLeft());
  editor->setGeometry(at.x(), at.y(), cell.width() + 1, height);
  editor->raise();
}

void PropertiesEditor::enterCell(int row) {
  entered_ = row;
  if (row < 0) return hideEditors();
  const std::string name = rowName(row);
  if (name == "Items") {
    cmbBoolean->hide();
    cmbBitmap->hide();
    placeOver(cmbItems, row, 18);
    cmbItems->text->setText(qs("(" + name + ")"));
    cmbItems->show();
    cmbItems->text->setFocus();
    return;
  }
  cmbItems->hide();
  const auto choices = main_.designer().choices(name);
  if (choices.empty()) {
    cmbBoolean->hide();
    if (name == "Bitmap") {
      placeOver(cmbBitmap, row, 18);
      cmbBitmap->text->setText(qs("(" + name + ")"));
      cmbBitmap->show();
      cmbBitmap->text->setFocus();
    } else {
      cmbBitmap->hide();
      stgProperties->setFocus();
      if (openEditor_ && visitRow_ == row)
        openEditor_->setFocus();  // already open there
      else
        stgProperties->edit(stgProperties->model()->index(row, 1));
    }
    return;
  }
  cmbBitmap->hide();
  placeOver(cmbBoolean, row, 17);
  cmbBoolean->clear();
  const QString current = stgProperties->item(row, 1) ? stgProperties->item(row, 1)->text() : QString();
  int selected = -1;
  for (const auto& c : choices) {
    cmbBoolean->addItem(qs(c));
    if (selected < 0 && qs(c).compare(current, Qt::CaseInsensitive) == 0) selected = cmbBoolean->count() - 1;
  }
  cmbBoolean->setCurrentIndex(selected);
  cmbBoolean->show();
  cmbBoolean->setFocus();
}

void PropertiesEditor::beginCellVisit(int row, QLineEdit* editor) {
  newCellVisit();
  Designer& d = main_.designer();
  openEditor_ = editor;
  visitForm_ = d.selectedForm();
  visitControl_ = d.selectedControl();
  visitRow_ = row;
  lastApplied_ = true;
  visitStart_ = visitForm_ ? d.valueText(rowName(row)) : std::string();
}

void PropertiesEditor::discardOpenEditor() {
  visitForm_ = nullptr;  // what the editor still reports is for no one
  if (QPointer<QLineEdit> ed = openEditor_)
    emit stgProperties->itemDelegateForColumn(1)->closeEditor(ed, QAbstractItemDelegate::NoHint);
  openEditor_ = nullptr;
}

bool PropertiesEditor::visitCurrent() const {
  const Designer& d = main_.designer();
  return visitForm_ && d.selectedForm() == visitForm_ && d.selectedControl() == visitControl_;
}

void PropertiesEditor::commitOpenEditor() {
  if (!openEditor_) return;
  QAbstractItemDelegate* delegate = stgProperties->itemDelegateForColumn(1);
  QPointer<QLineEdit> ed = openEditor_;
  emit delegate->commitData(ed);
  if (ed) emit delegate->closeEditor(ed, QAbstractItemDelegate::NoHint);
  openEditor_ = nullptr;
}

void PropertiesEditor::setEditText(int row, const QString& text) {
  const std::string name = rowName(row);
  if (name.empty() || name == "Name") return;  // a name waits for the commit
  apply(name, ss(text));
}

void PropertiesEditor::apply(const std::string& name, const std::string& typed) {
  UiMessages::InputScope input(main_.messages());
  Designer& d = main_.designer();
  FormDocument* form = d.selectedForm();
  if (!form) return;
  beginStep(d, *form, "Change " + name, "cell " + std::to_string(cellVisit_) + " " + name);
  lastApplied_ = d.applyTyped(name, typed);
  commitStep(d, *form);
  main_.updateUndo();
  if (lastApplied_) afterChange(name, typed);
}

void PropertiesEditor::commitCell(int row, const QString& text) {
  const std::string name = rowName(row);
  if (name.empty() || !visitCurrent()) return;  // the cell's object is no longer inspected
  const bool isName = name == "Name";
  if (isName && ss(text) != main_.designer().valueText(name)) apply(name, ss(text));
  // The committed cell shows what the object holds (a refused name shows the old one); a text that
  // was not applied stays in the cell beside the value the object kept.
  if (QTableWidgetItem* item = stgProperties->item(row, 1))
    item->setText(isName || lastApplied_ ? qs(main_.designer().valueText(name)) : text);
}

void PropertiesEditor::revertCell() {
  const std::string name = rowName(visitRow_);
  if (name.empty() || name == "Name" || !visitCurrent()) return;
  // Typed back to where the visit began, the visit's step holds no change and leaves the history.
  if (main_.designer().valueText(name) != visitStart_) apply(name, visitStart_);
}

void PropertiesEditor::afterChange(const std::string& row, const std::string& typed) {
  Designer& d = main_.designer();
  if (FormWindow* w = main_.windowOf(d.selectedForm())) w->refresh();
  if (main_.zoom() && main_.zoom()->isVisible()) main_.zoom()->refresh();
  if (main_.problems()) main_.problems()->schedule();
  if (row == "Name") fillForms();
  // A number that the control corrected (a picture's side over its limit) shows as stored.
  const int r = stgProperties->currentRow();
  if (r >= 0 && rowName(r) == row && strictInteger(typed)) {
    const std::string shown = d.valueText(row);
    if (strictInteger(shown) != strictInteger(typed))
      if (QTableWidgetItem* item = stgProperties->item(r, 1)) item->setText(qs(shown));
  }
}

void PropertiesEditor::editItems() {
  Designer& d = main_.designer();
  auto items = d.items();
  if (!items) return;
  main_.holdZoom(true);
  const bool ok = itemsEditor()->edit(*items);
  main_.holdZoom(false);
  if (!ok || !d.selectedForm()) return;
  bool set = false;
  {
    HistoryStepScope step(d, *d.selectedForm(), "Edit Items");
    set = d.setItems(*items);
  }
  if (set) main_.changed();
}

void PropertiesEditor::editBitmap() {
  Designer& d = main_.designer();
  Control* c = d.selectedControl();
  const PropInfo* p = c && c->classId() == ClassId::CCBitmap ? c->property("StringBits") : nullptr;
  if (!p) return;
  std::string bits = std::get<std::string>(p->get(*c));
  main_.holdZoom(true);
  const bool ok = bitmapEditor()->edit(bits, std::min(c->width(), kMaxBitmapSide), std::min(c->height(), kMaxBitmapSide));
  main_.holdZoom(false);
  if (!ok || !d.selectedForm()) return;
  {
    HistoryStepScope step(d, *d.selectedForm(), "Edit Bitmap");
    p->set(*c, PropValue(bits));
  }
  main_.changed();
}

bool PropertiesEditor::eventFilter(QObject* watched, QEvent* e) {
  if (watched == cmbBoolean && e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    const int row = stgProperties->currentRow();
    const bool up = k->key() == Qt::Key_Up, down = k->key() == Qt::Key_Down;
    if ((up || down) && !(k->modifiers() & Qt::ShiftModifier) && !cmbBoolean->view()->isVisible() &&
        (up ? row > 0 : row >= 0 && row < stgProperties->rowCount() - 1)) {
      cmbBoolean->hide();
      stgProperties->setFocus();
      stgProperties->setCurrentCell(row + (up ? -1 : 1), 1);
      return true;
    }
  }
  if (e->type() == QEvent::FocusOut) {
    // An editor that loses the focus to another control hides; its own list, a dialog or another
    // window taking the focus does not hide it.
    const auto reason = static_cast<QFocusEvent*>(e)->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
      if (watched == cmbBoolean) cmbBoolean->hide();
      if (watched == cmbItems->text) cmbItems->hide();
      if (watched == cmbBitmap->text) cmbBitmap->hide();
    }
  }
  return QWidget::eventFilter(watched, e);
}

bool PropertiesEditor::event(QEvent* e) {
  // F1 anywhere in the window is its help topic; a hidden window leaves the key to the main window.
  if (!isVisible()) return QWidget::event(e);
  if (e->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1) {
    e->accept();
    return true;
  }
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1) {
    main_.showHelp(4);
    return true;
  }
  return QWidget::event(e);
}

void PropertiesEditor::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  hideEditors();
}

}  // namespace tw::ui
