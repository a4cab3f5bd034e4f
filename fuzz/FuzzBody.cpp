// The body sections over an arbitrary image, with a made-up header: the first byte picks the
// layout (QEL, first expansion, base; name tables; build flags), the second the number of
// players, the next four the body start; the rest is the image.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "analysis/Save5Analyse.h"

namespace {

orv5::SaveAnalysis MadeUpHeader(uint8_t layout, uint8_t players) {
  orv5::SaveAnalysis header;
  header.IsQEL = (layout & 1) ? -1 : 0;
  header.HasExpansion1 = (layout & 2) ? -1 : 0;
  header.HasSlotNameTables = (layout & 4) ? -1 : 0;
  header.BuildAbove341539 = (layout & 8) ? -1 : 0;
  header.BuildAbove379994 = (layout & 16) ? -1 : 0;
  header.BuildAbove395069 = (layout & 32) ? -1 : 0;
  header.SaveVersion = (layout & 64) ? 8 : 5;
  const int count = players % (orv5::MaxPlayers + 1);
  for (int slot = 0; slot < count; ++slot) {
    orv5::TLeaderInfoRec row;
    row.LeaderName = "Player";
    row.CivName = "America";
    row.Slot = slot;
    row.Status = slot == 0 ? 3 : 1;
    row.IsMinorCiv = slot >= count - 2 ? 1 : 0;
    row.CivIndex = row.IsMinorCiv ? 18 : 0;
    header.SlotCiv[slot] = row.CivIndex;
    header.SlotIsMinor[slot] = row.IsMinorCiv;
    header.Leaders.push_back(row);
  }
  header.LeaderCount = count;
  return header;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 6) return 0;
  int32_t bodyStart = 0;
  std::memcpy(&bodyStart, data + 2, 4);
  orv5::SaveContainer container;
  container.SaveImage.assign(data + 6, data + size);
  container.ImageLength = static_cast<int32_t>(container.SaveImage.size());
  container.BodyStart = bodyStart;
  container.BodyLength = container.ImageLength - bodyStart;
  const orv5::SaveAnalysis analysis = orv5::AnalyseBody(container, MadeUpHeader(data[0], data[1]));
  (void)analysis;
  return 0;
}
