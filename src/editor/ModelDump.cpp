#include "editor/ModelDump.h"

#include <cstdio>

namespace k9r {

namespace {

using Json = nlohmann::ordered_json;

void DumpCommon(const Control& control, Json& out, bool withCaption) {
  if (withCaption) out["caption"] = control.Caption();
  out["visible"] = control.Visible();
  out["enabled"] = control.Enabled();
}

Json DumpState(const MainWindowState& state) {
  Json out;
  out["BUTTON_MODEL"] = state.BUTTON_MODEL;
  out["MODE_TYPES"] = state.MODE_TYPES;
  out["READ_MODE"] = state.READ_MODE;
  out["LOADER_OLD_SETUP"] = state.LOADER_OLD_SETUP;
  out["FIX430F149AACLEANERROR"] = state.FIX430F149AACLEANERROR;
  out["PROG_DEBUG"] = state.PROG_DEBUG;
  out["USER_MODE"] = state.USER_MODE;
  out["new_3_function"] = state.new_3_function;
  out["new_KOREA_function"] = state.new_KOREA_function;
  out["new_TOGGLE_NORMAL"] = state.new_TOGGLE_NORMAL;
  out["new_GROUP_INTERLOCK"] = state.new_GROUP_INTERLOCK;
  out["LANGUAGE_file_path"] = state.LANGUAGE_file_path;
  out["LOADTEXT"] = state.LOADTEXT;
  return out;
}

Json DumpMessage(const ScriptedUserInterface::Record& record) {
  Json out;
  if (record.kind != "message") out["kind"] = record.kind;
  out["icon"] = IconName(record.icon);
  out["title"] = record.title;
  out["text"] = record.text;
  out["buttons"] = ButtonsName(record.buttons);
  out["answer"] = record.answer;
  if (record.unanswered) out["unanswered"] = true;
  return out;
}

}  // namespace

Json DumpControl(const Control& control) {
  Json out;
  out["kind"] = KindName(control.Kind());
  switch (control.Kind()) {
    case ControlKind::List: {
      const auto& list = static_cast<const Choice&>(control);
      out["index"] = list.Index();
      out["text"] = list.Text();
      out["items"] = list.Items();
      DumpCommon(control, out, false);
      break;
    }
    case ControlKind::Text: {
      const auto& field = static_cast<const TextField&>(control);
      out["text"] = field.Text();
      DumpCommon(control, out, false);
      if (field.BackColor()) {
        char rgb[8];
        std::snprintf(rgb, sizeof rgb, "%06X", static_cast<unsigned>(*field.BackColor()));
        out["back_color"] = rgb;
      }
      break;
    }
    case ControlKind::Tab: {
      const auto& tabs = static_cast<const TabStrip&>(control);
      out["index"] = tabs.Index();
      out["items"] = tabs.Captions();
      Json enabled = Json::array();
      for (int tab = 0; tab < static_cast<int>(tabs.Captions().size()); ++tab) enabled.push_back(tabs.TabEnabled(tab));
      out["tabs_enabled"] = enabled;
      DumpCommon(control, out, false);
      break;
    }
    case ControlKind::Progress:
      out["value"] = static_cast<const ProgressBar&>(control).Value();
      break;
    case ControlKind::Toolbar: {
      Json keys = Json::array();
      for (const auto& button : static_cast<const Toolbar&>(control).Buttons()) keys.push_back(button.key);
      out["items"] = keys;
      DumpCommon(control, out, false);
      break;
    }
    case ControlKind::Picture:
      DumpCommon(control, out, false);
      break;
    case ControlKind::Frame:
    case ControlKind::Label:
    case ControlKind::Button:
    case ControlKind::Menu:
    case ControlKind::Form:
      DumpCommon(control, out, true);
      break;
  }
  return out;
}

Json DumpModel(MainWindow& window, const std::vector<ScriptedUserInterface::Record>& messages) {
  Json out;
  Json cells;
  for (int cell = 0; cell < SetupImage::kCellCount; ++cell) {
    cells[AddressText(SetupImage::kFirstAddress + cell)] = window.Image().CellText(cell);
  }
  out["cells"] = cells;
  Json controls;
  for (const auto& control : window.Controls().All()) controls[control->Name()] = DumpControl(*control);
  out["controls"] = controls;
  out["state"] = DumpState(window.State());
  Json shown = Json::array();
  for (const auto& record : messages) shown.push_back(DumpMessage(record));
  out["messages"] = shown;
  out["ended"] = window.Ended();
  return out;
}

}  // namespace k9r
