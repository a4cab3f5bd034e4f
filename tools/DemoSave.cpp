#include "tools/DemoSave.h"

namespace orv5::demo {

testing::Bytes BuildDemoSave() {
  testing::ByteWriter header;
  header.Raw("ORV5").Int(8);  // magic, save version
  testing::ByteWriter body;
  body.Zeros(4096);
  testing::ContainerOptions options;
  options.FinishStream = false;  // as the game writes it: sync-flushed, no final block
  options.WriteTerminator = false;
  return testing::BuildContainer(header.Take(), body.Take(), options);
}

}  // namespace orv5::demo
