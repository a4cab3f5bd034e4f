// window_pictures SAVE FOLDER [SHEET...]: opens SAVE in the window and saves one PNG per visible
// sheet into FOLDER, named after the sheet's object name ("GraphTab.png"); with SHEET names,
// only those. Run it with QT_QPA_PLATFORM=offscreen to draw without a display.
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTextStream>
#include <QTimer>

#include "app/Application.h"
#include "app/TForm1.h"

namespace {

constexpr int PictureWidth = 1280;
constexpr int PictureHeight = 820;

// Saves the pictures of the sheets asked for; returns how many could not be saved.
int SaveSheets(orv5::TForm1& form, const QDir& folder, const QStringList& wanted) {
  QTextStream out(stdout);
  int failures = 0;
  QTabWidget* pages = form.PageControls();
  for (int i = 0; i < pages->count(); ++i) {
    const QString name = pages->widget(i)->objectName();
    if (!pages->isTabVisible(i) || (!wanted.isEmpty() && !wanted.contains(name))) continue;
    pages->setCurrentIndex(i);
    QApplication::processEvents();  // lets charts and tables lay out before the grab
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (form.grab().save(path, "PNG")) {
      out << path << Qt::endl;
    } else {
      ++failures;
      out << "could not write " << path << Qt::endl;
    }
  }
  return failures;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  orv5::SetUpApplication();
  QStringList arguments = QApplication::arguments().mid(1);
  if (arguments.size() < 2) {
    QTextStream(stderr) << "usage: window_pictures SAVE FOLDER [SHEET...]" << Qt::endl;
    return 2;
  }
  const QString save = arguments.takeFirst();
  const QDir folder(arguments.takeFirst());
  if (!QDir().mkpath(folder.path())) return 1;
  orv5::TForm1 form;
  form.resize(PictureWidth, PictureHeight);
  form.show();
  if (!form.LoadSave(save)) return 1;
  return SaveSheets(form, folder, arguments) == 0 ? 0 : 1;
}
