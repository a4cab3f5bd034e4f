#pragma once
// "What changed" between two saves of one game: the text `orv5 diff EARLIER LATER` prints, in
// a fixed-pitch box, with a button that copies it for a forum post.
#include <QDialog>
#include <QString>

class QPlainTextEdit;

namespace orv5::ui {

class CompareDialog : public QDialog {
  Q_OBJECT

 public:
  CompareDialog(const QString& title, const QString& text, QWidget* parent = nullptr);
  // The text shown, exactly as the command prints it (every line ends in a line break).
  const QString& Text() const { return text_; }

 public slots:
  void CopyClick();

 private:
  QString text_;
};

}  // namespace orv5::ui
