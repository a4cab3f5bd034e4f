#include "app/CompareDialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/FormParts.h"

namespace orv5::ui {

CompareDialog::CompareDialog(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent), text_(text) {
  setObjectName(QStringLiteral("CompareDialog"));
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  auto* box = new QPlainTextEdit(this);
  box->setObjectName(QStringLiteral("CompareText"));
  box->setReadOnly(true);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  box->setFont(ColumnFont());
  box->setPlainText(text);
  layout->addWidget(box);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
  copy->setObjectName(QStringLiteral("CopyButton"));
  copy->setToolTip(tr("Put the text on the clipboard"));
  connect(copy, &QPushButton::clicked, this, &CompareDialog::CopyClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(760, 520);
}

void CompareDialog::CopyClick() { QGuiApplication::clipboard()->setText(text_); }

}  // namespace orv5::ui
