#include "Settings/PreferencesElement.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string attribute(const PreferencesElement& element, const char* key)
{
    const std::string* value = element.attribute(key);
    return value ? *value : "<none>";
}

TEST(PreferencesElementTest, SplitsNameAndAttributesKeepingWhiteSpaceInValues)
{
    PreferencesElement e = parsePreferencesElement(
        "item type=\"int\"  name=\"Minutes To  Autosave\"\tval=\" 1.0\t2.0 3.0 \" empty=\"\"");
    EXPECT_EQ(e.name, "item");
    ASSERT_EQ(e.attributes.size(), 4u);
    EXPECT_EQ(attribute(e, "type"), "int");
    EXPECT_EQ(attribute(e, "name"), "Minutes To  Autosave");
    EXPECT_EQ(attribute(e, "val"), " 1.0\t2.0 3.0 ");
    EXPECT_EQ(attribute(e, "empty"), "");
    EXPECT_EQ(attribute(e, "missing"), "<none>");
}

TEST(PreferencesElementTest, OddWordsAreSkippedAndOpenValuesRunToTheEnd)
{
    PreferencesElement e = parsePreferencesElement("item stray =\"x\" bare=word val=\"a b  ");
    EXPECT_EQ(attribute(e, "bare"), "word");
    EXPECT_EQ(attribute(e, "val"), "a b");
    EXPECT_EQ(e.attributes.size(), 2u);
    EXPECT_TRUE(parsePreferencesElement("  \n ").name.empty());
}


} // namespace
