#pragma once
// Copies the views' plain models into the widgets. The window fills a tab only through here:
// each control of a model is found by its object name and takes the model's value. Signals
// of the widgets are blocked while they are filled, so a refill never looks like user input.
#include <QHash>
#include <QString>
#include <QStringList>

#include "views/ViewModel.h"

class QTabWidget;
class QWidget;

namespace orv5::ui {

// The window's named controls, indexed once after the window is built.
class ControlIndex {
 public:
  void Build(QWidget* root);
  QWidget* Find(const QString& name) const { return controls_.value(name); }
  template <typename W>
  W* Find(const QString& name) const {
    return qobject_cast<W*>(Find(name));
  }
  // Object names given to more than one widget (a building mistake; tests keep it empty).
  const QStringList& Duplicates() const { return duplicates_; }

 private:
  QHash<QString, QWidget*> controls_;
  QStringList duplicates_;
};

// What a bind could not place: controls the window lacks or whose kind differs from the model.
struct BindReport {
  QStringList Missing;
  QStringList WrongKind;
  bool Clean() const { return Missing.isEmpty() && WrongKind.isEmpty(); }
};

QString ToQString(const std::string& text);

// Copies one control's model into the widget of the same name.
void BindControl(const ControlModel& control, const ControlIndex& controls, BindReport& report);

// Copies every control of a tab, except those named in `skip` (a field the user is typing in),
// and shows or hides the tab's sheet in `pages`.
BindReport BindTab(const TabModel& tab, const ControlIndex& controls, QTabWidget* pages,
                   const QStringList& skip = {});

}  // namespace orv5::ui
