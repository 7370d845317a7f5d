#include <gtest/gtest.h>

#include "core/Clock.h"
#include "editor/ContactFields.h"
#include "editor/MainWindow.h"
#include "editor/ScriptedUserInterface.h"

namespace k9r {
namespace {

class ContactFieldsTest : public ::testing::Test {
 protected:
  TextField& Field(std::string_view name) { return window_.Controls().Get<TextField>(name); }

  ScriptedUserInterface ui_;
  VirtualClock clock_;
  MainWindow window_{ui_, clock_};
};

TEST_F(ContactFieldsTest, EnterMovesToTheNextFieldInTabOrderWithoutTyping) {
  for (std::size_t i = 0; i + 1 < std::size(kContactFields); ++i) {
    const ContactFieldSpec& spec = kContactFields[i];
    if (!spec.enterMovesOn) continue;
    TextField& field = Field(spec.name);
    field.Type("x");
    EXPECT_EQ(field.PressKey(TextField::kEnterKey), 0) << spec.name;
    EXPECT_EQ(field.Text(), "x") << spec.name << ": no line break, not even in an address";
    EXPECT_EQ(window_.FocusedControl(), kContactFields[i + 1].name) << spec.name;
  }
  Field("USER_TELEPHONE").PressKey(TextField::kEnterKey);
  EXPECT_EQ(window_.FocusedControl(), "USER_FAX");
  Field("DISTRIBUTOR_CH").PressKey(TextField::kEnterKey);
  EXPECT_EQ(window_.FocusedControl(), "DISTRIBUTOR_REMARK");
}

TEST_F(ContactFieldsTest, EnterInARemarkBreaksTheLine) {
  for (const char* remark : {"USER_REMARK", "DISTRIBUTOR_REMARK"}) {
    window_.SetFocus(remark);
    Field(remark).Type("first");
    EXPECT_EQ(Field(remark).PressKey(TextField::kEnterKey), TextField::kEnterKey);
    Field(remark).PressKey('2');
    EXPECT_EQ(Field(remark).Text(), "first\n2");
    EXPECT_EQ(window_.FocusedControl(), remark);
  }
}

TEST_F(ContactFieldsTest, PointMovesOnOnlyFromTheIntegerPartOfTheFrequency) {
  for (char key : std::string("433.")) Field("DISTRIBUTOR_FRQ1").PressKey(key);
  EXPECT_EQ(Field("DISTRIBUTOR_FRQ1").Text(), "433");
  EXPECT_EQ(window_.FocusedControl(), "DISTRIBUTOR_FRQ2");
  for (char key : std::string("9.")) Field("DISTRIBUTOR_FRQ2").PressKey(key);
  EXPECT_EQ(Field("DISTRIBUTOR_FRQ2").Text(), "9.");
  EXPECT_EQ(window_.FocusedControl(), "DISTRIBUTOR_FRQ2");
}

TEST_F(ContactFieldsTest, LimitsAndLineBreaks) {
  const std::string longName(300, 'x');
  struct Case {
    const char* field;
    const char* typed;
    const char* kept;
  };
  const Case cases[] = {
      {"DISTRIBUTOR_CH", "1234", "123"},
      {"DISTRIBUTOR_FRQ1", "43399", "433"},
      {"DISTRIBUTOR_FRQ2", "\u53f0\u7063\u8d77\u91cd", "\u53f0\u7063\u8d77"},
      {"USER_TELEPHONE", "040\n1234", "0401234"},
      {"USER_ADDRESS", "Dock 4\nHamburg", "Dock 4\nHamburg"},
      {"USER_EMAIL", "a\tb", "ab"},
      {"USER_COMPANY", longName.c_str(), nullptr},
  };
  for (const Case& c : cases) {
    Field(c.field).Type(c.typed);
    EXPECT_EQ(Field(c.field).Text(), c.kept ? c.kept : c.typed) << c.field;
  }
}

TEST_F(ContactFieldsTest, LabelsAndFramesCarryTheirCaptions) {
  const auto& controls = window_.Controls();
  EXPECT_EQ(controls.Get<Frame>(kDistributorFrame).Caption(), "DISTRIBUTOR");
  EXPECT_EQ(controls.Get<Frame>(kUserFrame).Caption(), "USER");
  EXPECT_EQ(controls.Get<Label>("Label19").Caption(), "Fax            :");
  EXPECT_EQ(controls.Get<Label>("COMPANY_EMAIL").Caption(), "E-Mail        :");
  EXPECT_EQ(controls.Get<Label>("Label13").Caption(), "Mhz");
  EXPECT_EQ(std::size(kContactFields), 17u);
}

}  // namespace
}  // namespace k9r
