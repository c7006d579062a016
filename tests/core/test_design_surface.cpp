// The design surface: presses and releases, selection marks, align and same size, stacking order and
// delete.
#include <gtest/gtest.h>

#include "DesignSession.h"

namespace tw {

TEST(DesignSurface, Scripts) { runDesignScripts("design-surface.txt"); }

}  // namespace tw
