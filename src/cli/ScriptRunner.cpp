#include "cli/ScriptRunner.h"

#include <charconv>
#include <chrono>
#include <istream>
#include <ostream>

#include "editor/ModelDump.h"
#include "editor/PortSelector.h"
#include "editor/SetupFileCommands.h"
#include "editor/UnitTransfer.h"

namespace k9r {

namespace {

int ParseNumber(const ScriptToken& token, const char* what) {
  int value = 0;
  const char* first = token.text.data();
  const char* last = first + token.text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (token.quoted || error != std::errc() || end != last) {
    throw ScriptError(std::string(what) + " must be a number, not \"" + token.text + "\"");
  }
  return value;
}

void ExpectCount(const std::vector<ScriptToken>& tokens, std::size_t count, const char* usage) {
  if (tokens.size() != count) throw ScriptError(std::string("usage: ") + usage);
}

int CellOfAddressText(const std::string& address) {
  if (address.size() != 4 || ParseHex(address) < SetupImage::kFirstAddress ||
      AddressText(ParseHex(address)) != address) {
    throw ScriptError("\"" + address + "\" is not a cell address 1000-10FF (four upper-case hex digits)");
  }
  return ImageCellIndex(address);
}

}  // namespace

ScriptRunner::ScriptRunner() : window_(ui_, clock_) {}

int ScriptRunner::Run(std::istream& script, std::ostream& out, std::ostream& err) {
  std::string line;
  int lineNumber = 0;
  while (std::getline(script, line)) {
    ++lineNumber;
    try {
      const auto tokens = TokenizeScriptLine(line);
      if (!tokens.empty()) RunLine(tokens, out);
    } catch (const std::exception& error) {
      err << "script line " << lineNumber << ": " << error.what() << "\n  " << line << "\n";
      return 2;
    }
  }
  if (ui_.PendingAnswers() > 0) {
    err << "script: " << ui_.PendingAnswers() << " queued answer(s) were never asked for\n";
  }
  return 0;
}

void ScriptRunner::RunLine(const std::vector<ScriptToken>& tokens, std::ostream& out) {
  const std::string& action = tokens[0].text;
  if (tokens[0].quoted) throw ScriptError("a line must begin with an action");
  if (action == "dump") {
    ExpectCount(tokens, 1, "dump");
    out << DumpModel(window_, ui_.Records()).dump(2) << "\n";
    return;
  }
  if (window_.Ended()) throw ScriptError("the program has ended; only dump is possible");
  if (action == "startup") {
    ExpectCount(tokens, 1, "startup");
    window_.startup();
  } else if (action == "screen") {
    ExpectCount(tokens, 3, "screen WIDTH HEIGHT");
    ui_.SetScreenSize({ParseNumber(tokens[1], "the width"), ParseNumber(tokens[2], "the height")});
  } else if (action == "instance") {
    ExpectCount(tokens, 2, "instance running|none");
    if (tokens[1].text != "running" && tokens[1].text != "none") throw ScriptError("usage: instance running|none");
    ui_.SetAnotherInstanceRunning(tokens[1].text == "running");
  } else if (action == "select") {
    Select(tokens);
  } else if (action == "click") {
    ExpectCount(tokens, 2, "click NAME");
    Click(tokens[1].text);
  } else if (action == "type") {
    ExpectCount(tokens, 3, "type NAME \"TEXT\"");
    Control& control = UsableControl(tokens[1].text);
    if (auto* field = dynamic_cast<TextField*>(&control)) {
      field->Type(tokens[2].text);
    } else if (auto* list = dynamic_cast<Choice*>(&control)) {
      list->SetText(tokens[2].text);
    } else {
      throw ScriptError(tokens[1].text + " is no text field or list");
    }
  } else if (action == "cell") {
    ExpectCount(tokens, 3, "cell ADDR \"TEXT\"");
    TypeIntoCell(tokens[1].text, tokens[2].text);
  } else if (action == "setcells") {
    ExpectCount(tokens, 3, "setcells ADDR HEXDIGITS");
    SetCells(tokens[1].text, tokens[2].text);
  } else if (action == "key") {
    ExpectCount(tokens, 3, "key NAME CODE");
    Control& control = UsableControl(tokens[1].text);
    if (!dynamic_cast<TextField*>(&control) && !dynamic_cast<Button*>(&control)) {
      throw ScriptError(tokens[1].text + " takes no key presses");
    }
    control.PressKey(ParseNumber(tokens[2], "the key code"));
  } else if (action == "answer") {
    Answer(tokens);
  } else if (action == "save" || action == "load") {
    // The setup files of a path, as if it had been chosen in the file dialog.
    ExpectCount(tokens, 2, action == "save" ? "save \"PATH\"" : "load \"PATH\"");
    if (action == "save") {
      SaveSetupFiles(window_, tokens[1].text);
    } else {
      LoadSetupFiles(window_, tokens[1].text);
    }
  } else if (action == "port") {
    ExpectCount(tokens, 2, "port NAME");
    UsePort(tokens[1].text);
  } else if (action == "demo") {
    UseDemoUnit(tokens);
  } else if (action == "decode") {
    ExpectCount(tokens, 1, "decode");
    Decode();
  } else if (action == "tick") {
    ExpectCount(tokens, 1, "tick");
    window_.Timer1_Timer(std::chrono::system_clock::now());
  } else {
    throw ScriptError("unknown action \"" + action + "\"");
  }
}

Control& ScriptRunner::UsableControl(const std::string& name) {
  Control* control = window_.Controls().Find(name);
  if (!control) throw ScriptError("no control named " + name);
  if (!control->Enabled()) throw ScriptError(name + " is disabled");
  return *control;
}

void ScriptRunner::Select(const std::vector<ScriptToken>& tokens) {
  ExpectCount(tokens, 3, "select NAME INDEX or select NAME \"TEXT\"");
  Control& control = UsableControl(tokens[1].text);
  if (auto* tabs = dynamic_cast<TabStrip*>(&control)) {
    if (!tabs->Select(ParseNumber(tokens[2], "the tab"))) throw ScriptError("tab " + tokens[2].text + " is closed");
    return;
  }
  auto* list = dynamic_cast<Choice*>(&control);
  if (!list) throw ScriptError(tokens[1].text + " is no list");
  if (tokens[2].quoted) {
    if (!list->SelectText(tokens[2].text)) throw ScriptError(tokens[1].text + " has no item \"" + tokens[2].text + "\"");
  } else if (!list->Select(ParseNumber(tokens[2], "the index"))) {
    throw ScriptError(tokens[1].text + " has no item " + tokens[2].text);
  }
}

void ScriptRunner::Click(const std::string& name) {
  static constexpr std::string_view kToolbarPrefix = "toolbar:";
  if (name.starts_with(kToolbarPrefix)) {
    Toolbar& toolbar = window_.K9R_P1_Toolbar();
    if (!toolbar.Enabled()) throw ScriptError("the toolbar is disabled");
    if (!toolbar.ClickKey(name.substr(kToolbarPrefix.size()))) throw ScriptError("no toolbar button has the key " + name);
    return;
  }
  Control& control = UsableControl(name);
  if (auto* button = dynamic_cast<Button*>(&control)) {
    button->Click();
  } else if (auto* field = dynamic_cast<TextField*>(&control)) {
    field->Click();
  } else {
    throw ScriptError(name + " cannot be clicked");
  }
}

void ScriptRunner::Answer(const std::vector<ScriptToken>& tokens) {
  using K = ScriptedUserInterface::Answer::Kind;
  if (tokens.size() == 3 && !tokens[1].quoted && tokens[1].text == "file") {
    ui_.QueueAnswer({K::File, tokens[2].text});
    return;
  }
  ExpectCount(tokens, 2, "answer yes|no|ok|cancel|\"TEXT\"|file \"PATH\"");
  if (tokens[1].quoted) {
    ui_.QueueAnswer({K::Text, tokens[1].text});
    return;
  }
  static const std::pair<const char*, K> kWords[] = {{"yes", K::Yes}, {"no", K::No}, {"ok", K::Ok}, {"cancel", K::Cancel}};
  for (const auto& [word, kind] : kWords) {
    if (tokens[1].text == word) {
      ui_.QueueAnswer({kind, ""});
      return;
    }
  }
  throw ScriptError("unknown answer \"" + tokens[1].text + "\"");
}

void ScriptRunner::TypeIntoCell(const std::string& address, const std::string& text) {
  CellField& cell = window_.SETUP_DATA_TXTBOX(CellOfAddressText(address));
  if (!cell.Enabled()) throw ScriptError("cell " + address + " is disabled");
  cell.Type(text);
}

void ScriptRunner::UsePort(const std::string& name) {
  if (name.empty()) throw ScriptError("usage: port NAME (COMn or a device path)");
  clock_.UseRealTime(true);
  window_.AttachSerialPort(realPort_, LoadProductData(DefaultDataFileSearch()));
  window_.Ports().ShowPortForThisRun(name);
  clock_.Virtual().OnPump({});  // the demo unit's port listens no more
  demoUnit_.reset();
}

void ScriptRunner::UseDemoUnit(const std::vector<ScriptToken>& tokens) {
  bool sixPair = false;
  bool erased = false;
  for (std::size_t i = 1; i < tokens.size(); ++i) {
    if (tokens[i].text == "six-pair" && !tokens[i].quoted) {
      sixPair = true;
    } else if (tokens[i].text == "erased" && !tokens[i].quoted) {
      erased = true;
    } else {
      throw ScriptError("usage: demo [six-pair] [erased]");
    }
  }
  clock_.UseRealTime(false);
  auto unit = std::make_unique<sim::InProcessDemoUnit>(clock_.Virtual(), sim::FreshDemoMemory(sixPair, erased));
  window_.AttachSerialPort(unit->Port(), sim::DemoProductData());
  demoUnit_ = std::move(unit);
  window_.Ports().ShowPortForThisRun(sim::InProcessDemoUnit::kPortName);
}

void ScriptRunner::Decode() {
  // The cells as they stand, as a loaded file is decoded.
  MainWindowState& state = window_.State();
  state.LOADER_OLD_SETUP = 1;
  window_.Transfer().READ_SETUP_DATA_Click();
  state.LOADER_OLD_SETUP = 0;
}

void ScriptRunner::SetCells(const std::string& address, const std::string& digits) {
  const int first = CellOfAddressText(address);
  if (digits.size() % 2 != 0) throw ScriptError("setcells needs two hex digits per cell");
  const int count = static_cast<int>(digits.size() / 2);
  if (first + count > SetupImage::kCellCount) throw ScriptError("setcells runs past cell 10FF");
  for (int i = 0; i < count; ++i) {
    const std::string byte = digits.substr(static_cast<std::size_t>(2 * i), 2);
    if (!IsHexByteText(byte)) throw ScriptError("\"" + byte + "\" is not a hex byte");
    window_.SETUP_DATA_TXTBOX(first + i).Type(byte);
  }
}

}  // namespace k9r
