// Sections not yet decoded; each is removed from here when its unit exists.
#include "analysis/Sections.h"

namespace orv5 {

void ReadLeague(ParseContext&, SaveAnalysis&) {}
void ReadReligions(ParseContext&, SaveAnalysis&) {}
void ReadPolicies(ParseContext&, SaveAnalysis&) {}
void ReadTechnologies(ParseContext&, SaveAnalysis&) {}
void ReadPlayerStats(ParseContext&, SaveAnalysis&) {}
void ReadNotifications(ParseContext&, SaveAnalysis&) {}

}  // namespace orv5
