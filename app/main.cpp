// orv5-analyser: the window of the Orv5 Save Analyser. An optional argument names a save to
// open at start.
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>

#include "app/Application.h"
#include "app/TForm1.h"

int main(int argc, char** argv) {
  // QApplication also sets the C library's locale from the environment; the analyser's own
  // formatter does not depend on it, so numbers keep their "." on any desktop.
  QApplication application(argc, argv);
  orv5::SetUpApplication();

  QCommandLineParser options;
  options.setApplicationDescription(
      QStringLiteral("Shows what an Orv5 save file holds; given a folder, lists its saves beside the tabs."));
  options.addHelpOption();
  options.addVersionOption();
  options.addPositionalArgument(QStringLiteral("save"),
                                QStringLiteral("Save file to open (*.Orv5Save), or a folder of saves"),
                                QStringLiteral("[save|folder]"));
  options.process(application);

  orv5::TForm1 form;
  form.show();
  const QStringList arguments = options.positionalArguments();
  // Without an argument the folder of the last run is listed again, when it is still there.
  const QString lastFolder = QSettings().value(QStringLiteral("SavesPanel/LastFolder")).toString();
  const QString open = !arguments.isEmpty() ? arguments.first() : lastFolder;
  // Load once the window is on screen, so the busy cursor and any message have a window.
  if (QFileInfo(open).isDir()) {
    QTimer::singleShot(0, &form, [&form, open] { form.OpenFolder(open); });
  } else if (!arguments.isEmpty()) {
    QTimer::singleShot(0, &form, [&form, open] { form.LoadSave(open); });
  }
  return application.exec();
}
