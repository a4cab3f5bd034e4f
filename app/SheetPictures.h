#pragma once
// Pictures of the window, one per visible sheet: for the README's screenshot and the GUI tests.
#include <QString>
#include <QStringList>

namespace orv5 {

class TForm1;

// Shows each visible sheet in turn (only those named in `only`, when given) and saves the
// window as a PNG in `folder`: "<Sheet>.png", or "<prefix>-<nn>-<Sheet>.png" with a prefix.
// Returns the paths written; the first sheet is shown again afterwards.
QStringList SaveSheetPictures(TForm1& form, const QString& folder, const QString& prefix = {},
                              const QStringList& only = {});

}  // namespace orv5
