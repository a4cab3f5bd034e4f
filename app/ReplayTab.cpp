// Replay: the game's replay log, one line per event; session starts stand out in purple.
#include <QLabel>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/FormParts.h"
#include "app/Sheets.h"
#include "app/TForm1.h"

namespace orv5 {

QWidget* BuildReplayTab(TForm1&) {
  auto* sheet = new QWidget;
  auto* layout = new QVBoxLayout(sheet);
  layout->addWidget(ui::LogCaptions(sheet));
  layout->addWidget(ui::RichText(sheet, "ReplayList", true), 1);
  return sheet;
}

}  // namespace orv5
