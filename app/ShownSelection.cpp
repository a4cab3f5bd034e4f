#include "app/ShownSelection.h"

#include <QComboBox>
#include <QTabWidget>

#include "app/TForm1.h"

namespace orv5::ui {

namespace {

// In the order they are chosen again: a sheet's player before the items of that player.
constexpr const char* Selectors[] = {"PlayerLogSelect", "PlayerCitySelect", "CityBox",          "PlayerPolicySelect",
                                     "PlayerTechSelect", "PlayerStatsSelect", "PlayerEspiSelect", "GraphSelect"};

}  // namespace

ShownSelection ShownSelection::Of(const TForm1& form) {
  ShownSelection shown;
  if (QWidget* page = form.PageControls()->currentWidget()) shown.Sheet = page->objectName();
  for (const char* name : Selectors) {
    const auto* list = form.Control<QComboBox>(QString::fromLatin1(name));
    if (list && list->currentIndex() >= 0) shown.Chosen.insert(QString::fromLatin1(name), list->currentText());
  }
  return shown;
}

void ShownSelection::RestoreIn(TForm1& form) const {
  for (const char* name : Selectors) {
    auto* list = form.Control<QComboBox>(QString::fromLatin1(name));
    const auto chosen = Chosen.constFind(QString::fromLatin1(name));
    if (!list || chosen == Chosen.cend()) continue;
    const int item = list->findText(*chosen);
    if (item >= 0 && item != list->currentIndex()) list->setCurrentIndex(item);
  }
  QTabWidget* pages = form.PageControls();
  for (int i = 0; i < pages->count(); ++i) {
    if (pages->widget(i)->objectName() == Sheet && pages->isTabVisible(i)) pages->setCurrentIndex(i);
  }
}

}  // namespace orv5::ui
