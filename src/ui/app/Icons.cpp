#include "Icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <cstring>
#include <functional>

namespace tw::ui {
namespace {

constexpr int kSize = 16;

// An icon made when first shown, not when set. Made at once, the tool bars' fifty drawn icons and
// the font their letters need, or the style's pictures and the image plug-ins that decode them,
// would hold up the main window's first appearance by several milliseconds.
class DeferredIcon final : public QIconEngine {
 public:
  // `size`, when known, answers size questions without making the icon.
  DeferredIcon(std::function<QIcon()> make, QSize size) : make_(std::move(make)), size_(size) {}
  void paint(QPainter* p, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    made().paint(p, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return made().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return size_.isValid() ? size.boundedTo(size_) : made().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return size_.isValid() ? QList<QSize>{size_} : made().availableSizes(mode, state);
  }
  bool isNull() override { return !size_.isValid() && made().isNull(); }
  QIconEngine* clone() const override { return new DeferredIcon(*this); }

 private:
  const QIcon& made() {
    if (make_) {
      icon_ = make_();
      make_ = nullptr;
    }
    return icon_;
  }
  std::function<QIcon()> make_;
  QSize size_;
  QIcon icon_;
};

// A 16 x 16 picture with a painter that draws crisp one-pixel lines; the pixmap engine behind it
// makes the disabled and selected looks, as for any pixmap icon.
QIcon draw(std::function<void(QPainter&)> f) {
  return QIcon(new DeferredIcon(
      [f = std::move(f)] {
        QPixmap pm(kSize, kSize);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        f(p);
        p.end();
        return QIcon(pm);
      },
      {kSize, kSize}));
}

void text(QPainter& p, int x, int y, const char* s, int px = 8, bool bold = false) {
  QFont font("Sans");
  font.setPixelSize(px);
  font.setBold(bold);
  font.setStyleStrategy(QFont::NoAntialias);
  p.setFont(font);
  p.drawText(x, y, QString::fromLatin1(s));
}

// A rounded handheld button frame.
void buttonFrame(QPainter& p, int x, int y, int w, int h) {
  p.drawLine(x + 1, y, x + w - 2, y);
  p.drawLine(x + 1, y + h - 1, x + w - 2, y + h - 1);
  p.drawLine(x, y + 1, x, y + h - 2);
  p.drawLine(x + w - 1, y + 1, x + w - 1, y + h - 2);
}

void triangleDown(QPainter& p, int x, int y) {
  for (int i = 0; i < 3; ++i) p.drawLine(x + i, y + i, x + 4 - i, y + i);
}

}  // namespace

QIcon paletteIcon(Tool tool) {
  switch (tool) {
    case Tool::Button:
      return draw([](QPainter& p) { buttonFrame(p, 0, 4, 16, 9); p.drawLine(4, 8, 11, 8); });
    case Tool::Select:
      return draw([](QPainter& p) {
        p.drawRect(0, 4, 15, 8);
        p.drawLine(3, 8, 8, 8);
        p.fillRect(11, 5, 4, 7, Qt::black);
      });
    case Tool::Push:
      return draw([](QPainter& p) {
        p.drawRect(0, 4, 7, 8);
        p.fillRect(8, 4, 8, 9, Qt::black);
        p.drawRect(8, 4, 7, 8);
      });
    case Tool::Label: return draw([](QPainter& p) { text(p, 2, 13, "A", 13, true); });
    case Tool::EditLine:
      return draw([](QPainter& p) {
        p.drawLine(0, 12, 15, 12);
        text(p, 1, 10, "ab", 9);
      });
    case Tool::Edit:
      return draw([](QPainter& p) {
        for (int y = 4; y <= 13; y += 3) {
          for (int x = 0; x < 16; x += 2) p.drawPoint(x, y);
        }
        p.drawLine(2, 2, 2, 6);
      });
    case Tool::CheckBox:
      return draw([](QPainter& p) {
        p.drawRect(0, 4, 7, 7);
        p.drawLine(2, 7, 3, 9);
        p.drawLine(3, 9, 6, 5);
        p.drawLine(10, 8, 15, 8);
      });
    case Tool::Switch:
      return draw([](QPainter& p) {
        buttonFrame(p, 0, 4, 16, 9);
        p.fillRect(8, 5, 7, 7, Qt::black);
      });
    case Tool::Pop:
      return draw([](QPainter& p) {
        triangleDown(p, 0, 7);
        p.drawLine(7, 8, 15, 8);
      });
    case Tool::PopUp:
      return draw([](QPainter& p) {
        p.drawRect(2, 1, 12, 13);
        p.fillRect(3, 2, 12, 3, Qt::black);
        p.drawLine(4, 8, 12, 8);
        p.drawLine(4, 11, 12, 11);
      });
    case Tool::ListBox:
      return draw([](QPainter& p) {
        p.drawRect(0, 1, 15, 13);
        p.drawLine(2, 4, 12, 4);
        p.fillRect(1, 6, 14, 3, Qt::black);
        p.drawLine(2, 11, 12, 11);
      });
    case Tool::DropDown:
      return draw([](QPainter& p) {
        p.drawRect(0, 4, 15, 8);
        p.drawLine(2, 8, 8, 8);
        triangleDown(p, 10, 7);
      });
    case Tool::Radio:
      return draw([](QPainter& p) {
        p.drawEllipse(0, 1, 5, 5);
        p.fillRect(2, 3, 2, 2, Qt::black);
        p.drawEllipse(0, 9, 5, 5);
        p.drawLine(8, 4, 15, 4);
        p.drawLine(8, 12, 15, 12);
      });
    case Tool::Menu:
      return draw([](QPainter& p) {
        p.fillRect(0, 1, 16, 4, Qt::black);
        p.drawRect(2, 5, 11, 9);
        p.drawLine(4, 8, 11, 8);
        p.drawLine(4, 11, 11, 11);
      });
    case Tool::Bitmap:
      return draw([](QPainter& p) {
        p.drawRect(0, 1, 15, 13);
        p.drawLine(1, 12, 6, 6);
        p.drawLine(6, 6, 9, 10);
        p.drawLine(9, 10, 11, 8);
        p.drawLine(11, 8, 14, 12);
        p.drawEllipse(10, 3, 2, 2);
      });
    case Tool::GSI:
      return draw([](QPainter& p) {
        p.drawLine(4, 2, 11, 2);
        p.drawLine(4, 2, 4, 13);
        p.drawLine(4, 13, 11, 13);
        p.drawLine(11, 13, 11, 8);
        p.drawLine(8, 8, 11, 8);
      });
    case Tool::Dialog:
      return draw([](QPainter& p) {
        p.drawRect(0, 1, 15, 14);
        p.fillRect(0, 1, 16, 4, Qt::black);
        buttonFrame(p, 4, 10, 8, 4);
      });
    case Tool::None: break;
  }
  return {};
}

QIcon commandIcon(const char* name) {
  auto is = [name](const char* n) { return std::strcmp(name, n) == 0; };
  auto page = [](QPainter& p) {
    p.drawLine(2, 0, 10, 0);
    p.drawLine(10, 0, 13, 3);
    p.drawLine(13, 3, 13, 15);
    p.drawLine(13, 15, 2, 15);
    p.drawLine(2, 15, 2, 0);
  };
  auto disk = [](QPainter& p) {
    p.drawRect(1, 1, 13, 13);
    p.drawRect(4, 1, 7, 4);
    p.fillRect(4, 9, 8, 6, Qt::black);
  };
  auto folder = [](QPainter& p) {
    p.drawLine(0, 3, 5, 3);
    p.drawLine(5, 3, 7, 5);
    p.drawLine(7, 5, 14, 5);
    p.drawRect(0, 5, 14, 9);
  };
  auto handheld = [](QPainter& p, int x, int y) {
    p.drawRect(x, y, 6, 8);
    p.fillRect(x + 1, y + 1, 5, 4, Qt::black);
  };
  auto bars = [](QPainter& p, bool horizontalLine, int lineAt, int a0, int a1, int b0, int b1, bool fromEnd) {
    if (horizontalLine) {
      p.drawLine(0, lineAt, 15, lineAt);
      int y0 = lineAt == 0 ? 2 : 15 - 2 - a1;
      (void)fromEnd;
      p.fillRect(2, y0, 4, a1 - a0, Qt::black);
      int y1 = lineAt == 0 ? 2 : 15 - 2 - b1;
      p.fillRect(9, y1, 4, b1 - b0, Qt::black);
    } else {
      p.drawLine(lineAt, 0, lineAt, 15);
      int x0 = lineAt == 0 ? 2 : 15 - 2 - a1;
      p.fillRect(x0, 2, a1 - a0, 4, Qt::black);
      int x1 = lineAt == 0 ? 2 : 15 - 2 - b1;
      p.fillRect(x1, 9, b1 - b0, 4, Qt::black);
    }
  };
  if (is("newproject")) return draw([=](QPainter& p) { page(p); handheld(p, 4, 4); });
  if (is("saveproject")) return draw([=](QPainter& p) { disk(p); });
  if (is("openproject")) return draw([=](QPainter& p) { folder(p); handheld(p, 8, 7); });
  if (is("newform")) return draw([=](QPainter& p) { page(p); p.drawLine(5, 6, 10, 6); p.drawLine(5, 9, 10, 9); });
  if (is("openform")) return draw([=](QPainter& p) { folder(p); });
  if (is("saveform")) return draw([=](QPainter& p) { disk(p); p.fillRect(6, 11, 4, 2, Qt::white); });
  if (is("cut"))
    return draw([](QPainter& p) {
      p.drawLine(4, 0, 10, 10);
      p.drawLine(11, 0, 5, 10);
      p.drawEllipse(1, 10, 4, 4);
      p.drawEllipse(10, 10, 4, 4);
    });
  if (is("copy"))
    return draw([](QPainter& p) {
      p.drawRect(0, 0, 9, 11);
      p.fillRect(6, 4, 10, 12, Qt::white);
      p.drawRect(6, 4, 9, 11);
    });
  if (is("paste"))
    return draw([](QPainter& p) {
      p.drawRect(1, 2, 12, 13);
      p.fillRect(4, 0, 6, 4, Qt::black);
      p.drawLine(4, 7, 10, 7);
      p.drawLine(4, 10, 10, 10);
    });
  // A hooked arrow pointing back (undo) or, mirrored, forward (redo).
  auto hook = [](QPainter& p, bool forward) {
    if (forward) {
      p.translate(15, 0);
      p.scale(-1, 1);
    }
    p.drawArc(2, 3, 12, 10, 90 * 16, -200 * 16);
    p.drawLine(8, 3, 2, 3);
    p.drawLine(2, 3, 5, 0);
    p.drawLine(2, 3, 5, 6);
  };
  if (is("undo")) return draw([=](QPainter& p) { hook(p, false); });
  if (is("redo")) return draw([=](QPainter& p) { hook(p, true); });
  if (is("aleft")) return draw([=](QPainter& p) { bars(p, false, 0, 0, 10, 0, 6, false); });
  if (is("aright")) return draw([=](QPainter& p) { bars(p, false, 15, 0, 10, 0, 6, true); });
  if (is("atop")) return draw([=](QPainter& p) { bars(p, true, 0, 0, 10, 0, 6, false); });
  if (is("abottom")) return draw([=](QPainter& p) { bars(p, true, 15, 0, 10, 0, 6, true); });
  if (is("sheight"))
    return draw([](QPainter& p) {
      p.fillRect(1, 2, 5, 12, Qt::black);
      p.fillRect(9, 2, 5, 12, Qt::black);
      p.drawLine(0, 0, 15, 0);
      p.drawLine(0, 15, 15, 15);
    });
  if (is("swidth"))
    return draw([](QPainter& p) {
      p.fillRect(2, 1, 12, 5, Qt::black);
      p.fillRect(2, 9, 12, 5, Qt::black);
      p.drawLine(0, 0, 0, 15);
      p.drawLine(15, 0, 15, 15);
    });
  return {};
}

QIcon deferredIcon(std::function<QIcon()> make) { return QIcon(new DeferredIcon(std::move(make), {})); }

}  // namespace tw::ui
