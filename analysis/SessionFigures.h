#pragma once
// How long a play session lasted on average, as the reloads page shows it.
#include <cstdint>
#include <string>

namespace orv5 {

// Hours, minutes of the hour and seconds of the minute: "     0:28:25".
std::string AverageSessionText(int32_t seconds);

}  // namespace orv5
