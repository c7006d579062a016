// The widget classes and their properties.
#include <gtest/gtest.h>

#include <set>

#include "model/Control.h"

using namespace tw;

// (The geometry rules and setters of each class: files-drawing.txt.)
TEST(Widgets, EveryClassPublishesItsPropertiesOnce) {
  for (int i = 0; i < kClassCount; ++i) {
    auto c = createControl(ClassId(i));
    ASSERT_TRUE(c) << i;
    std::set<std::string> names;
    for (const auto& p : c->properties()) EXPECT_TRUE(names.insert(p.name).second) << c->className() << p.name;
    ClassId back;
    ASSERT_TRUE(classFromName(c->className(), back));
    EXPECT_EQ(back, ClassId(i));
  }
}
