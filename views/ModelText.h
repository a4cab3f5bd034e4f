#pragma once
// A tab model as text, one control value per line, so that two reports compare with diff:
//   Name<TAB>text                 edit field or label value (Name.hint<TAB>text for its hint,
//                                 Name.record<TAB>text for the game's own record of the value)
//   Grid[row,col]<TAB>text        every non-empty grid cell
//   List#i<TAB>text               list and combo items; List.selected<TAB>i
//   List#i.checked<TAB>0|1        check-list boxes
//   Rich#i<TAB>#RRGGBB<TAB>text   rich-text lines with their colour
//   CheckBox<TAB>0|1
//   Chart.series#s<TAB>item<TAB>turn:value ...; Chart.bottom / Chart.left<TAB>min<TAB>max
// Tabs, line feeds and carriage returns inside a text are written as \t, \n and \r.
#include <string>

#include "views/ViewModel.h"

namespace orv5 {

void AppendControlLines(const ControlModel& control, std::string& out);
void AppendTabLines(const TabModel& tab, std::string& out);

}  // namespace orv5
