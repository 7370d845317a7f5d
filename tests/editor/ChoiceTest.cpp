#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/ControlSet.h"
#include "editor/Controls.h"

namespace k9r {
namespace {

TEST(ChoiceTest, HandlerRunsOnlyWhenTheSelectionChanges) {
  Choice list("LIST", {"0.0", "0.5", "1.0"});
  int runs = 0;
  list.OnSelect([&] { ++runs; });
  EXPECT_TRUE(list.Select(1));
  EXPECT_TRUE(list.Select(1));
  EXPECT_EQ(runs, 1) << "choosing the shown item again runs nothing";
  EXPECT_TRUE(list.SelectText("1.0"));
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(list.Text(), "1.0");
}

TEST(ChoiceTest, MissingItemsChangeNothing) {
  Choice list("LIST", {"On", "Off"});
  int runs = 0;
  list.OnSelect([&] { ++runs; });
  list.Select(0);
  EXPECT_FALSE(list.Select(2));
  EXPECT_FALSE(list.Select(-2));
  EXPECT_FALSE(list.SelectText("on")) << "text must match exactly";
  EXPECT_FALSE(list.SelectText("O"));
  EXPECT_EQ(list.Index(), 0);
  EXPECT_EQ(runs, 1);
}

TEST(ChoiceTest, SelectByTextPicksTheExactItem) {
  Choice list("LIST", {"Mode 1", "Mode 10", "Mode 1 "});
  list.SelectText("Mode 1 ");
  EXPECT_EQ(list.Index(), 2);
  list.SelectText("Mode 1");
  EXPECT_EQ(list.Index(), 0);
}

TEST(ChoiceTest, RebuildLeavesNoSelectionAndRunsNothing) {
  Choice list("LIST", {"a", "b"});
  int runs = 0;
  list.OnSelect([&] { ++runs; });
  list.Select(1);
  list.SetItems({"x", "y", "z"});
  EXPECT_EQ(list.Index(), -1);
  EXPECT_EQ(list.Text(), "");
  EXPECT_EQ(runs, 1);
  list.Select(1);
  EXPECT_EQ(runs, 2) << "from no selection to an item is a change";
}

TEST(ChoiceTest, HandlersMayNest) {
  Choice first("FIRST", {"Control by EMS", "Bypass EMS"});
  Choice second("SECOND", {"Control by EMS", "Bypass EMS"});
  std::vector<std::string> order;
  // Each list makes its partner follow, as the emergency-stop lists do.
  first.OnSelect([&] {
    order.push_back("first " + first.Text());
    second.Select(first.Index());
  });
  second.OnSelect([&] {
    order.push_back("second " + second.Text());
    first.Select(second.Index());
  });
  first.Select(1);
  EXPECT_EQ(order, (std::vector<std::string>{"first Bypass EMS", "second Bypass EMS"}));
  EXPECT_EQ(second.Index(), 1);
}

TEST(ChoiceTest, SettingTheTextRunsTextChangeThenSelection) {
  Choice list("INTERLOCK", {"Interlock", "Non-Interlock"});
  std::vector<std::string> events;
  list.OnTextChange([&] { events.push_back("change " + list.Text()); });
  list.OnSelect([&] { events.push_back("select " + std::to_string(list.Index())); });
  list.SetText("Non-Interlock");
  list.SetText("Non-Interlock");
  list.SetText("something else");
  EXPECT_EQ(events, (std::vector<std::string>{"change Non-Interlock", "select 1", "change something else"}));
  EXPECT_EQ(list.Index(), -1);
}

TEST(ChoiceTest, RemovingItemsKeepsTheSelectedOne) {
  Choice list("POWER", {"Any", "Start", "E.U", "Other"});
  list.Select(1);
  EXPECT_TRUE(list.RemoveItem(3));
  EXPECT_TRUE(list.RemoveItem(2));
  EXPECT_FALSE(list.RemoveItem(2));
  EXPECT_EQ(list.Items(), (std::vector<std::string>{"Any", "Start"}));
  EXPECT_EQ(list.Text(), "Start");
  EXPECT_TRUE(list.RemoveItem(0));
  EXPECT_EQ(list.Index(), 0) << "the selection moves with its item";
}

TEST(TextFieldTest, TypingHonoursFilterAndLimit) {
  TextField field("FIELD", 3);
  field.SetCharFilter([](char c) { return c >= '0' && c <= '9'; });
  int changes = 0;
  field.OnChange([&] { ++changes; });
  field.Type("1a2b34");
  EXPECT_EQ(field.Text(), "123");
  field.Type("123");
  EXPECT_EQ(changes, 1);
}

TEST(TextFieldTest, KeyHandlerMaySwallowTheKey) {
  TextField field("FIELD");
  field.OnKeyPress([](int& key) {
    if (key == 13) key = 0;
  });
  EXPECT_EQ(field.PressKey(13), 0);
  EXPECT_EQ(field.PressKey('A'), 'A');
}

TEST(ControlSetTest, FindsControlsByTheirGivenNames) {
  ControlSet controls;
  controls.Add<Choice>(Indexed("UP_FUNC", 3));
  controls.Add<Frame>("SSTab1");
  EXPECT_NE(controls.FindAs<Choice>("UP_FUNC(3)"), nullptr);
  EXPECT_EQ(controls.Find("UP_FUNC(4)"), nullptr);
  EXPECT_EQ(controls.FindAs<Choice>("SSTab1"), nullptr) << "a frame is no list";
  EXPECT_THROW(controls.Add<Frame>("SSTab1"), std::logic_error);
}

TEST(ControlTest, FormLockKeepsTheOwnEnabledState) {
  Button always("A");
  Button never("B");
  never.SetEnabled(false);
  for (Control* control : {static_cast<Control*>(&always), static_cast<Control*>(&never)}) control->SetFormLocked(true);
  EXPECT_FALSE(always.Enabled());
  never.SetEnabled(true);
  EXPECT_FALSE(never.Enabled()) << "stays locked until the window is unlocked";
  never.SetEnabled(false);
  for (Control* control : {static_cast<Control*>(&always), static_cast<Control*>(&never)}) control->SetFormLocked(false);
  EXPECT_TRUE(always.Enabled());
  EXPECT_FALSE(never.Enabled());
}

TEST(ControlTest, EveryAddedViewHearsAChangeUntilOneReplacesThemAll) {
  Label unit("Label1(86)", "sec");
  std::vector<std::string> heard;
  unit.AddViewObserver([&] { heard.push_back("first:" + unit.Caption()); });
  unit.AddViewObserver([&] { heard.push_back("second:" + unit.Caption()); });
  unit.SetCaption("s");
  unit.SetViewObserver([&] { heard.push_back("only:" + unit.Caption()); });
  unit.SetVisible(false);
  EXPECT_EQ(heard, (std::vector<std::string>{"first:s", "second:s", "only:s"}));
}

}  // namespace
}  // namespace k9r
