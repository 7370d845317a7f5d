// Applying a language file to the window, and the Language command that
// chooses one. A control the table names that this window does not have is
// passed over, as every failing step of start-up is.
#include "editor/LanguageTable.h"
#include "editor/MainWindow.h"
#include "files/LanguageFile.h"

namespace k9r {

namespace {

std::vector<std::string> ItemsFrom(const LanguageTexts& texts, const std::vector<int>& lines) {
  std::vector<std::string> items;
  for (int line : lines) items.push_back(texts.Text(line));
  return items;
}

}  // namespace

void MainWindow::showtexts() {
  const auto file = ChooseLanguageFile(state_.LANGUAGE_file_path, settings_.ProgramDir());
  if (!file) return;
  const auto texts = ReadLanguageFile(*file, settings_.CodePage());
  if (!texts) return;

  for (int tab = 0; tab < kTabCaptionCount; ++tab) SSTab1().SetTabCaption(tab, texts->Text(tab));
  for (const CaptionLine& caption : CaptionLines()) {
    Control* control = controls_.Find(caption.control);
    if (control && FeatureApplies(state_, caption.flags)) control->SetCaption(texts->Text(caption.line));
  }
  for (const ListLines& list : ListRebuilds()) {
    if (auto* choice = controls_.FindAs<Choice>(list.control)) choice->SetItems(ItemsFrom(*texts, list.lines));
  }
  for (const FeatureEnable& enable : FeatureEnables()) {
    Control* control = controls_.Find(enable.control);
    if (control && FeatureApplies(state_, enable.flag)) control->SetEnabled(true);
  }
  Toolbar& toolbar = K9R_P1_Toolbar();
  for (const ToolbarLine& entry : ToolbarLines()) {
    // The key must stay equal to its menu's caption, so the toolbar still
    // dispatches; the caption under the icon follows the language as well.
    const std::string& text = texts->Text(entry.line);
    toolbar.SetButton(entry.button, {text, text, text});
  }

  state_.LOADTEXT = {};
  for (const auto& [index, line] : LoadTextLines()) state_.LOADTEXT[static_cast<std::size_t>(index)] = texts->Text(line);

  for (const std::string& label : LabelsHiddenByLanguage()) {
    if (Control* control = controls_.Find(label)) control->SetVisible(false);
  }
}

void MainWindow::ChooseLanguage() {
  const auto chosen = ui_.OpenFileDialog({"", "ini (*.ini);;AllFile (*)", ""});
  if (!chosen || chosen->empty()) {
    ui_.SetBusy(false);
    return;
  }
  ui_.SetBusy(true);
  chosenLanguagePath_ = *chosen;
  settings_.WriteLanguagePath(*chosen);
  startup();
  ui_.SetBusy(false);
}

}  // namespace k9r
