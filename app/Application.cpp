#include "app/Application.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>

namespace orv5 {

void SetUpApplication() {
  QApplication::setApplicationName(QStringLiteral("Orv5QEL Save Analyser"));
  // The settings (last folder, the saves panel's layout) are kept under this name.
  QApplication::setOrganizationName(QStringLiteral("Orv5"));
  QApplication::setApplicationVersion(QStringLiteral("1.21.0"));
  // The installed icon and desktop entry (app/desktop/); without them the window keeps none.
  QGuiApplication::setDesktopFileName(QStringLiteral("orv5-analyser"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("orv5-analyser")));
}

}  // namespace orv5
