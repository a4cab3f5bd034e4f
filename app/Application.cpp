#include "app/Application.h"

#include <QApplication>

namespace orv5 {

void SetUpApplication() {
  QApplication::setApplicationName(QStringLiteral("Orv5QEL Save Analyser"));
  QApplication::setApplicationVersion(QStringLiteral("1.21.0"));
}

}  // namespace orv5
