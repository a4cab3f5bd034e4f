// orv5-analyser: the window of the Orv5 Save Analyser. An optional argument names a save to
// open at start.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "app/Application.h"
#include "app/TForm1.h"

int main(int argc, char** argv) {
  // QApplication also sets the C library's locale from the environment; the analyser's own
  // formatter does not depend on it, so numbers keep their "." on any desktop.
  QApplication application(argc, argv);
  orv5::SetUpApplication();

  QCommandLineParser options;
  options.setApplicationDescription(QStringLiteral("Shows what an Orv5 save file holds."));
  options.addHelpOption();
  options.addVersionOption();
  options.addPositionalArgument(QStringLiteral("save"), QStringLiteral("Save file to open (*.Orv5Save)"),
                                QStringLiteral("[save]"));
  options.process(application);

  orv5::TForm1 form;
  form.show();
  const QStringList saves = options.positionalArguments();
  if (!saves.isEmpty()) {
    // Load once the window is on screen, so the busy cursor and any message have a window.
    QTimer::singleShot(0, &form, [&form, path = saves.first()] { form.LoadSave(path); });
  }
  return application.exec();
}
