// 「クリップの書き出し」: the progress of a clip export, with 「中止」.
// Closing the dialog cancels the export too; the dialog closes itself when
// the export finishes, accepted when every clip was written.
#pragma once

#include <QDialog>

class ClipExport;
class QProgressBar;

class ClipProgressDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ClipProgressDialog(ClipExport& clipExport, QWidget* parent = nullptr);

  // The close box and Esc come here.
  void reject() override;

 private:
  ClipExport& export_;
  QProgressBar* bar_;
};
