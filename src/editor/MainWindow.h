#pragma once

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <memory>
#include <string>

#include "core/Clock.h"
#include "core/SetupImage.h"
#include "editor/ControlSet.h"
#include "editor/MainWindowState.h"
#include "editor/WindowPrinter.h"
#include "core/UserInterface.h"
#include "files/ProgramSettings.h"

namespace k9r {

class DeviceLink;
class ModePanel;
class ModePresets;
class PairDecoding;
class PairEditing;
class PortSelector;
class RW;
class SerialPort;
class SpecialFunctions;
class StartF1Keys;
class TimeLists;
class UnitTransfer;
struct ProductData;

enum class Command { Load, Save, Printer, Exit, ReadSetupData, WriteSetupData, Language, Ver };

// The main window K9R_SETUP_PROGRAM without any toolkit: its controls, the
// setup image behind the cells, its shared variables and its commands.
class MainWindow {
 public:
  static constexpr const char* kInitialTitle = "K-9R SETUP PROGRAM ";
  static constexpr const char* kVersionText = " K9R SETUP PROGRAM V7.10M(01/01/2012)";
  // The window's size in pixels, laid out for an 800x600 screen.
  static constexpr int kWidth = 796;
  static constexpr int kHeight = 572;

  MainWindow(UserInterface& ui, Clock& clock);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  SetupImage& Image() { return image_; }
  ControlSet& Controls() { return controls_; }
  const ControlSet& Controls() const { return controls_; }
  MainWindowState& State() { return state_; }
  UserInterface& Ui() { return ui_; }
  Clock& Time() { return clock_; }

  // The editor areas of the window, each with its controls and handlers.
  PairEditing& Pairs() const { return *pairEditing_; }
  TimeLists& Times() const { return *timeLists_; }
  StartF1Keys& Keys() const { return *startF1Keys_; }
  SpecialFunctions& Specials() const { return *specialFunctions_; }
  ModePanel& Panel() const { return *modePanel_; }
  ModePresets& Presets() const { return *modePresets_; }
  PairDecoding& PairDecoder() const { return *pairDecoding_; }
  // The port selector, and reading and writing a unit.
  PortSelector& Ports() const { return *portSelector_; }
  UnitTransfer& Transfer() const { return *unitTransfer_; }
  // The programmer window RW: the device link. Until a front end attaches
  // a serial port it has none, and every device operation finds no unit.
  RW& Rw() const;
  void AttachSerialPort(SerialPort& port, ProductData productData);
  // A note the title bar carries after the clock ("DEMO UNIT ...").
  void SetTitleNote(std::string note);

  Form& Window() const { return controls_.Get<Form>("K9R_SETUP_PROGRAM"); }
  TabStrip& SSTab1() const { return controls_.Get<TabStrip>("SSTab1"); }
  Toolbar& K9R_P1_Toolbar() const { return controls_.Get<Toolbar>("K9R_P1_Toolbar"); }
  MenuItem& Menu(std::string_view name) const { return controls_.Get<MenuItem>(name); }
  ProgressBar& ProgressBar1() const { return controls_.Get<ProgressBar>("ProgressBar1"); }
  CellField& SETUP_DATA_TXTBOX(int cell) const;
  Label& SETUP_DATA_LABEL(int cell) const;

  // The window's load event; the Language command runs it again.
  void startup();
  // Applies the language file of LANGUAGE_file_path (or ENG.ini beside the
  // program) to captions, lists, menus, toolbar and LOADTEXT.
  void showtexts();
  // The Language command: choose a file, remember it, start up again.
  void ChooseLanguage();

  // The serial port setting read at start-up; the device link takes it
  // from here (its zzz), and the port selector shows it.
  const PortSetting& LinkPort() const { return linkPort_; }
  void SetPortSettingHandler(std::function<void(const PortSetting&)> handler) {
    portSettingHandler_ = std::move(handler);
  }
  bool Ended() const { return ended_; }

  // Menus, toolbar keys and buttons all end here.
  void RunCommand(Command command);
  // Parts of the program that do a command's work register it here.
  void SetCommandAction(Command command, Handler action);
  void K9R_P1_Toolbar_ButtonClick(const std::string& key);
  // The image decoder registers how it decodes the cells as a loaded file
  // (READ_SETUP_DATA_Click while LOADER_OLD_SETUP is 1). It answers false
  // when it refused the image, which the load then takes back. Until one is
  // there a load leaves the cells filled and the controls as they were.
  using ImageDecoder = std::function<bool()>;
  void SetLoadedImageDecoder(ImageDecoder decoder) { loadedImageDecoder_ = std::move(decoder); }
  bool DecodeLoadedImage();

  // Where the settings files are and which code page setup files use.
  ProgramSettings& Settings() { return settings_; }
  void SetSettings(ProgramSettings settings) { settings_ = std::move(settings); }

  // The device link hands over how to release its serial port at exit.
  void SetLinkPortCloser(Handler closer) { closeLinkPort_ = std::move(closer); }
  // The toolkit side attaches its printer here; without one (the command
  // line) both print commands pass over silently, as with no printer at all.
  void SetWindowPrinter(WindowPrinter* printer) { printer_ = printer; }

  void Timer1_Timer(std::chrono::system_clock::time_point now);
  void SETUP_DATA_TXTBOX_Click(int cell);

  // The control with the keyboard focus, by name; the view follows it.
  const std::string& FocusedControl() const { return focused_; }
  void SetFocus(std::string name);
  void SetFocusObserver(std::function<void(const std::string&)> observer) { focusObserver_ = std::move(observer); }

  // Locks every control of the window during a long operation and unlocks
  // it again; what each control's own Enabled state says is kept.
  void DisableFormControls();
  void EnableFormControls();
  void UnloadAllForms();

  // Shows LOADTEXT(n) titled LOADTEXT(0) when the language file set it,
  // otherwise the built-in English text and title.
  MessageAnswer ShowLanguageMessage(int textNumber, const std::string& englishText, const std::string& englishTitle,
                                    MessageIcon icon, MessageButtons buttons);

 private:
  void BuildMenus();
  void BuildToolbar();
  void BuildTabs();
  void BuildCells();
  void BuildCommandButtons();

  bool AskToContinueOnSmallScreen(const std::string& sizeText);
  void ExitProgram();
  void ShowVersion();

  UserInterface& ui_;
  Clock& clock_;
  SetupImage image_;
  ControlSet controls_;
  MainWindowState state_;
  std::unique_ptr<PairEditing> pairEditing_;
  std::unique_ptr<TimeLists> timeLists_;
  std::unique_ptr<StartF1Keys> startF1Keys_;
  std::unique_ptr<SpecialFunctions> specialFunctions_;
  std::unique_ptr<ModePanel> modePanel_;
  std::unique_ptr<ModePresets> modePresets_;
  std::unique_ptr<PairDecoding> pairDecoding_;
  std::unique_ptr<SerialPort> noPort_;
  std::unique_ptr<DeviceLink> link_;
  std::unique_ptr<PortSelector> portSelector_;
  std::unique_ptr<UnitTransfer> unitTransfer_;
  std::string titleNote_;
  std::map<Command, Handler> commandActions_;
  Handler closeLinkPort_;
  WindowPrinter* printer_ = nullptr;
  ImageDecoder loadedImageDecoder_;
  ProgramSettings settings_;
  PortSetting linkPort_;
  // The language chosen in this run wins over setupLANG.txt, which may not
  // have been writable.
  std::optional<std::string> chosenLanguagePath_;
  std::function<void(const PortSetting&)> portSettingHandler_;
  std::string focused_;
  std::function<void(const std::string&)> focusObserver_;
  bool ended_ = false;
};

// After a device read: turns the link's result code into its message and
// clears the code.
void ReportReadFailure(UserInterface& ui, int& syncConnect);

}  // namespace k9r
