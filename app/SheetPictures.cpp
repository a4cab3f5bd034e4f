#include "app/SheetPictures.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

#include "app/TForm1.h"

namespace orv5 {

namespace {

QString PictureName(const QString& prefix, int index, const QString& sheet) {
  if (prefix.isEmpty()) return sheet + QStringLiteral(".png");
  return QStringLiteral("%1-%2-%3.png").arg(prefix).arg(index, 2, 10, QLatin1Char('0')).arg(sheet);
}

}  // namespace

QStringList SaveSheetPictures(TForm1& form, const QString& folder, const QString& prefix, const QStringList& only) {
  QDir().mkpath(folder);
  QStringList paths;
  QTabWidget* pages = form.PageControls();
  for (int i = 0; i < pages->count(); ++i) {
    const QString sheet = pages->widget(i)->objectName();
    if (!pages->isTabVisible(i) || (!only.isEmpty() && !only.contains(sheet))) continue;
    pages->setCurrentIndex(i);
    QApplication::processEvents();  // lets charts and tables lay out before the grab
    const QString path = QDir(folder).filePath(PictureName(prefix, i, sheet));
    if (form.grab().save(path, "PNG")) paths << path;
  }
  pages->setCurrentIndex(0);
  return paths;
}

}  // namespace orv5
