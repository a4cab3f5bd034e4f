// window_pictures SAVE FOLDER [SHEET...]: opens SAVE in the window and saves one PNG per visible
// sheet into FOLDER, named after the sheet's object name ("GraphTab.png"); with SHEET names,
// only those. Run it with QT_QPA_PLATFORM=offscreen to draw without a display.
#include <QApplication>
#include <QTextStream>

#include "app/Application.h"
#include "app/SheetPictures.h"
#include "app/TForm1.h"

namespace {

constexpr int PictureWidth = 1280;
constexpr int PictureHeight = 820;

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
  const QString folder = arguments.takeFirst();
  orv5::TForm1 form;
  form.resize(PictureWidth, PictureHeight);
  form.show();
  if (!form.LoadSave(save)) return 1;
  const QStringList written = orv5::SaveSheetPictures(form, folder, {}, arguments);
  QTextStream out(stdout);
  for (const QString& path : written) out << path << Qt::endl;
  return written.isEmpty() ? 1 : 0;
}
