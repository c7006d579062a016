// Placing controls from the palette, naming them and listing them.
#include <gtest/gtest.h>

#include "DesignSession.h"

namespace tw {

// Names, places, dialogs, menus, refusals, loaded forms and closed forms.
TEST(DesignPlacing, Scripts) { runDesignScripts("design-placing.txt"); }

}  // namespace tw
