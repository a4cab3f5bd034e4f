#pragma once
// Helpers of the window tests: where the saves are, reading the widgets back and comparing
// them with the views' models, and grabbing pictures of the sheets.
#include <QString>
#include <QStringList>

#include "views/Tabs.h"

class QWidget;

namespace orv5 {
class TForm1;
}

namespace orv5::guitest {

QString DemoSavePath();
// The folder of real saves from ORV5_REAL_SAVES, or empty when it is not set.
QString RealSavesFolder();
// One real save, or empty when the folder is not set or lacks it.
QString RealSave(const QString& name);
QStringList RealSaveFiles();

// Every difference between what the widgets show and the model of that tab.
QStringList CompareTab(const TForm1& form, const TabModel& model);
// CompareTab for every sheet against the models a fresh load shows (first entries selected).
QStringList CompareAfterLoad(const TForm1& form);

// The texts of the error messages the window opened; closes them.
QStringList TakeErrorMessages(TForm1& form);

// The folder for pictures of the window: ORV5_SCREENSHOT_DIR, else "screenshots" in the build folder.
QString ScreenshotFolder();

}  // namespace orv5::guitest
