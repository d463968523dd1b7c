#include "key_legend.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace {

// Set in full, so that nothing of the control's own font (a large italic
// caption, say) carries over.
QFont legendFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(9);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  return font;
}

}  // namespace

KeyLegend::Look& KeyLegend::look(QWidget* w) {
  if (!looks_.contains(w)) {
    w->installEventFilter(this);
    connect(w, &QObject::destroyed, this, [this, w] { looks_.remove(w); });
  }
  return looks_[w];
}

void KeyLegend::setLegend(QWidget* w, const QString& text) {
  Look& l = look(w);
  if (l.text == text) return;
  l.text = text;
  w->update();
}

void KeyLegend::setMarked(QWidget* w, bool marked) {
  if (!looks_.contains(w) && !marked) return;
  Look& l = look(w);
  if (l.marked == marked) return;
  l.marked = marked;
  w->update();
}

QRect KeyLegend::legendRect(const QWidget* w) {
  // The corner, clear of the caption, which the controls centre.
  return {3, 2, std::min(w->width() / 2, 40), 10};
}

bool KeyLegend::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Paint) return false;
  auto* w = static_cast<QWidget*>(watched);
  // The control paints itself first; the legend goes on top.
  static_cast<QObject*>(w)->event(event);
  const Look& l = looks_.value(w);
  QPainter painter(w);
  if (!l.text.isEmpty()) {
    painter.setFont(legendFont());
    painter.setPen(w->isEnabled() ? QColor(0, 0, 160) : QColor(150, 150, 175));
    painter.drawText(legendRect(w), Qt::AlignLeft | Qt::AlignTop, l.text);
  }
  if (l.marked) {
    painter.setPen(QPen(QColor(220, 0, 0), 2));
    painter.drawRect(QRectF(w->rect()).adjusted(2, 2, -2, -2));
  }
  return true;
}
