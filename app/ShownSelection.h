#pragma once
// What the user was looking at: the sheet, each sheet's player and the city. A new load starts
// every list at its first entry; when the panel shows another save of the folder, these are
// chosen again where the new save still has them (by name, as the rows may differ).
#include <QHash>
#include <QString>

namespace orv5 {
class TForm1;
}

namespace orv5::ui {

struct ShownSelection {
  QString Sheet;                   // object name of the current sheet
  QHash<QString, QString> Chosen;  // selector -> the text of its chosen item

  static ShownSelection Of(const TForm1& form);
  // Chooses the same items again where they exist, through the lists' own change handlers.
  void RestoreIn(TForm1& form) const;
};

}  // namespace orv5::ui
