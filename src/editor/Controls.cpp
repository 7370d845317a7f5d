#include "editor/Controls.h"

#include <algorithm>

#include "core/SetupImage.h"

namespace k9r {

std::vector<std::string> ItemTexts(std::span<const std::string_view> texts) {
  return {texts.begin(), texts.end()};
}

std::string_view KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::List: return "list";
    case ControlKind::Frame: return "frame";
    case ControlKind::Label: return "label";
    case ControlKind::Text: return "text";
    case ControlKind::Button: return "button";
    case ControlKind::Tab: return "tab";
    case ControlKind::Menu: return "menu";
    case ControlKind::Progress: return "progress";
    case ControlKind::Form: return "form";
    case ControlKind::Toolbar: return "toolbar";
    case ControlKind::Picture: return "picture";
  }
  return "unknown";
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  NotifyView();
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  NotifyView();
}

void Control::SetFormLocked(bool locked) {
  if (formLocked_ == locked) return;
  formLocked_ = locked;
  NotifyView();
}

void Control::SetCaption(std::string caption) {
  if (caption_ == caption) return;
  caption_ = std::move(caption);
  NotifyView();
}

int Control::FilterKey(int key) {
  if (onKeyPress_) onKeyPress_(key);
  return key;
}

void Control::SetViewObserver(std::function<void()> observer) {
  viewObservers_.clear();
  AddViewObserver(std::move(observer));
}

void Control::AddViewObserver(std::function<void()> observer) {
  if (observer) viewObservers_.push_back(std::move(observer));
}

void Control::NotifyView() const {
  for (const auto& observer : viewObservers_) observer();
}

Choice::Choice(std::string name, std::vector<std::string> items)
    : Control(std::move(name), ControlKind::List), items_(std::move(items)) {}

void Choice::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  index_ = -1;
  text_.clear();
  NotifyView();
}

void Choice::AddItem(std::string item) {
  items_.push_back(std::move(item));
  NotifyView();
}

bool Choice::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) return false;
  items_.erase(items_.begin() + index);
  if (index_ == index) {
    index_ = -1;
    text_.clear();
  } else if (index_ > index) {
    --index_;
  }
  NotifyView();
  return true;
}

bool Choice::Select(int index) {
  if (index < -1 || index >= ListCount()) return false;
  if (index == index_) return true;
  index_ = index;
  text_ = index < 0 ? std::string() : items_[static_cast<std::size_t>(index)];
  NotifyView();
  if (onSelect_) onSelect_();
  return true;
}

bool Choice::SelectText(std::string_view text) {
  const auto found = std::find(items_.begin(), items_.end(), text);
  if (found == items_.end()) return false;
  return Select(static_cast<int>(found - items_.begin()));
}

void Choice::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  const auto found = std::find(items_.begin(), items_.end(), text_);
  const int newIndex = found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
  const bool selectionChanged = newIndex >= 0 && newIndex != index_;
  index_ = newIndex;
  NotifyView();
  if (onTextChange_) onTextChange_();
  if (selectionChanged && onSelect_) onSelect_();
}

Frame::Frame(std::string name, std::string caption) : Control(std::move(name), ControlKind::Frame) {
  SetCaption(std::move(caption));
}

Label::Label(std::string name, std::string caption) : Control(std::move(name), ControlKind::Label) {
  SetCaption(std::move(caption));
}

Button::Button(std::string name, std::string caption, ControlKind kind) : Control(std::move(name), kind) {
  SetCaption(std::move(caption));
}

void Button::Click() {
  if (onClick_) onClick_();
}

MenuItem::MenuItem(std::string name, std::string caption)
    : Button(std::move(name), std::move(caption), ControlKind::Menu) {}

TextField::TextField(std::string name, int maxLength)
    : Control(std::move(name), ControlKind::Text), maxLength_(maxLength) {}

void TextField::SetText(std::string text) {
  if (text == Text()) return;
  StoreText(std::move(text));
  NotifyView();
  if (onChange_) onChange_();
}

void TextField::Type(std::string_view typed) {
  std::string accepted;
  int characters = 0;
  bool keepingCharacter = false;
  for (char c : typed) {
    // A multi-byte UTF-8 character is kept or dropped whole, and the length
    // limit counts characters, not bytes.
    if ((static_cast<unsigned char>(c) & 0xC0) == 0x80) {
      if (keepingCharacter) accepted.push_back(c);
      continue;
    }
    if (maxLength_ > 0 && characters >= maxLength_) break;
    const bool lineBreak = c == '\n' || c == '\r';
    keepingCharacter = lineBreak ? multiLine_ : static_cast<unsigned char>(c) >= 0x20 && c != 0x7F;
    keepingCharacter = keepingCharacter && (!charFilter_ || charFilter_(c));
    if (!keepingCharacter) continue;
    accepted.push_back(c);
    ++characters;
  }
  SetText(std::move(accepted));
}

void TextField::SetBackColor(std::uint32_t rgb) {
  if (backColor_ == rgb) return;
  backColor_ = rgb;
  NotifyView();
}

int TextField::PressKey(int key) {
  key = FilterKey(key);
  if (key == kEnterKey && multiLine_) {
    Type(Text() + "\n");
  } else if (key >= 0x20 && key < 0x7F) {
    Type(Text() + static_cast<char>(key));
  }
  return key;
}

void TextField::Click() {
  if (onClick_) onClick_();
}

void TextField::StoreText(std::string text) { text_ = std::move(text); }

CellField::CellField(std::string name, SetupImage& image, int cellIndex)
    : TextField(std::move(name), 2), image_(image), cellIndex_(cellIndex) {}

const std::string& CellField::Text() const { return image_.CellText(cellIndex_); }

void CellField::StoreText(std::string text) { image_.SetCellText(cellIndex_, std::move(text)); }

TabStrip::TabStrip(std::string name, std::vector<std::string> captions)
    : Control(std::move(name), ControlKind::Tab),
      captions_(std::move(captions)),
      tabEnabled_(captions_.size(), true) {}

void TabStrip::SetTabCaption(int tab, std::string caption) {
  if (tab < 0 || tab >= static_cast<int>(captions_.size())) return;
  captions_[static_cast<std::size_t>(tab)] = std::move(caption);
  NotifyView();
}

bool TabStrip::Select(int tab) {
  if (!TabEnabled(tab)) return false;
  if (tab != index_) {
    index_ = tab;
    NotifyView();
  }
  return true;
}

bool TabStrip::TabEnabled(int tab) const {
  return tab >= 0 && tab < static_cast<int>(tabEnabled_.size()) && tabEnabled_[static_cast<std::size_t>(tab)];
}

void TabStrip::SetTabEnabled(int tab, bool enabled) {
  if (tab < 0 || tab >= static_cast<int>(tabEnabled_.size())) return;
  tabEnabled_[static_cast<std::size_t>(tab)] = enabled;
  NotifyView();
}

ProgressBar::ProgressBar(std::string name) : Control(std::move(name), ControlKind::Progress) {}

void ProgressBar::SetValue(int value) {
  value = std::clamp(value, 0, 100);
  if (value_ == value) return;
  value_ = value;
  NotifyView();
}

Toolbar::Toolbar(std::string name, std::vector<ToolButton> buttons)
    : Control(std::move(name), ControlKind::Toolbar), buttons_(std::move(buttons)) {}

void Toolbar::SetButton(int number, ToolButton button) {
  if (number < 1 || number > static_cast<int>(buttons_.size())) return;
  buttons_[static_cast<std::size_t>(number - 1)] = std::move(button);
  NotifyView();
}

void Toolbar::ClickButton(int number) {
  if (number < 1 || number > static_cast<int>(buttons_.size())) return;
  if (onButtonClick_) onButtonClick_(buttons_[static_cast<std::size_t>(number - 1)].key);
}

bool Toolbar::ClickKey(std::string_view key) {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (!key.empty() && buttons_[i].key == key) {
      ClickButton(static_cast<int>(i + 1));
      return true;
    }
  }
  return false;
}

Form::Form(std::string name, std::string caption) : Control(std::move(name), ControlKind::Form) {
  SetCaption(std::move(caption));
}

void Form::Move(int left, int top) {
  left_ = left;
  top_ = top;
  NotifyView();
}

void Form::Resize(int width, int height) {
  width_ = width;
  height_ = height;
  NotifyView();
}

}  // namespace k9r
