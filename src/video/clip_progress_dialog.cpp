#include "clip_progress_dialog.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "clip_export.h"

ClipProgressDialog::ClipProgressDialog(ClipExport& clipExport, QWidget* parent)
    : QDialog(parent), export_(clipExport), bar_(new QProgressBar(this)) {
  setWindowTitle(tr("クリップの書き出し"));
  bar_->setObjectName("progressBar");
  bar_->setRange(0, 0);  // busy until the first progress says how many
  bar_->setFormat(tr("%v / %m 本"));
  bar_->setMinimumWidth(320);
  auto* cancelButton = new QPushButton(tr("中止"), this);
  cancelButton->setObjectName("cancelButton");
  cancelButton->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar_);
  layout->addLayout(buttons);

  connect(cancelButton, &QPushButton::clicked, this, &ClipProgressDialog::reject);
  connect(&export_, &ClipExport::progress, this, [this](int done, int total) {
    bar_->setRange(0, total);
    bar_->setValue(done);
  });
  connect(&export_, &ClipExport::finished, this,
          [this](bool ok) { done(ok ? QDialog::Accepted : QDialog::Rejected); });
}

void ClipProgressDialog::reject() {
  // Cancelling finishes the export, which closes the dialog.
  if (export_.running())
    export_.cancel();
  else
    QDialog::reject();
}
