// Key legends painted over controls: after a control paints itself, its key
// is drawn small in its top-left corner, and a marked control gets a frame
// inside its edge. Nothing of the control changes: not its geometry,
// caption, font or palette.
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

class KeyLegend : public QObject {
 public:
  void setLegend(QWidget* w, const QString& text);
  QString legend(QWidget* w) const { return looks_.value(w).text; }
  // The persons the typed shirt number points at.
  void setMarked(QWidget* w, bool marked);
  bool marked(QWidget* w) const { return looks_.value(w).marked; }

  // Where the legend of a control of this size is drawn.
  static QRect legendRect(const QWidget* w);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Look {
    QString text;
    bool marked = false;
  };
  Look& look(QWidget* w);
  QHash<QWidget*, Look> looks_;
};
