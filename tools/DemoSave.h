#pragma once
// The bundled demo save, built from the synthetic save builder so that it can be rebuilt
// and checked byte for byte.
#include <vector>

#include "tests/support/SaveBuilder.h"

namespace orv5::demo {

testing::Bytes BuildDemoSave();

}  // namespace orv5::demo
