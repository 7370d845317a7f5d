#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace k9r {

class SetupImage;

// List items from a table of texts.
std::vector<std::string> ItemTexts(std::span<const std::string_view> texts);

enum class ControlKind { List, Frame, Label, Text, Button, Tab, Menu, Progress, Form, Toolbar, Picture };

std::string_view KindName(ControlKind kind);

// One control of the window model. The Qt view and the command line both
// work on these; the view subscribes to hear about every change.
class Control {
 public:
  using KeyHandler = std::function<void(int& key)>;

  Control(std::string name, ControlKind kind) : name_(std::move(name)), kind_(kind) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  ControlKind Kind() const { return kind_; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // A control is usable when it is enabled and its window is not locked
  // for a device or file operation.
  bool Enabled() const { return enabled_ && !formLocked_; }
  bool OwnEnabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  void SetFormLocked(bool locked);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  static constexpr int kEnterKey = 13;
  // A key press while the control has the focus: the handler may change
  // the key or swallow it (key = 0). Returns the key that goes on.
  int FilterKey(int key);
  // The whole key press as the control takes it; by default only the
  // handler's say (a text box also types what remains).
  virtual int PressKey(int key) { return FilterKey(key); }
  void OnKeyPress(KeyHandler handler) { onKeyPress_ = std::move(handler); }

  // The view hears of every change. Set replaces whatever listened before;
  // Add lets one more widget listen (a label shown in several places).
  void SetViewObserver(std::function<void()> observer);
  void AddViewObserver(std::function<void()> observer);

 protected:
  void NotifyView() const;

 private:
  std::string name_;
  ControlKind kind_;
  bool visible_ = true;
  bool enabled_ = true;
  bool formLocked_ = false;
  std::string caption_;
  KeyHandler onKeyPress_;
  std::vector<std::function<void()>> viewObservers_;
};

using Handler = std::function<void()>;

// A drop-down list. Its selection handler runs exactly when the selected
// index changes, whether the user or code made the choice; choosing the
// item already shown runs nothing. Handlers may select other lists.
class Choice : public Control {
 public:
  explicit Choice(std::string name, std::vector<std::string> items = {});

  const std::vector<std::string>& Items() const { return items_; }
  int ListCount() const { return static_cast<int>(items_.size()); }
  int Index() const { return index_; }
  const std::string& Text() const { return text_; }

  // Rebuilding leaves no selection and runs no handler.
  void SetItems(std::vector<std::string> items);
  void AddItem(std::string item);
  // False when the index does not exist.
  bool RemoveItem(int index);

  // False (and nothing changes) when the index does not exist; -1 clears.
  bool Select(int index);
  // Picks the item with exactly this text; false when there is none.
  bool SelectText(std::string_view text);
  // Sets the shown text as typed or assigned: runs the text-change handler
  // when the text differs, then selects the item of that exact text, if any.
  void SetText(std::string text);

  void OnSelect(Handler handler) { onSelect_ = std::move(handler); }
  void OnTextChange(Handler handler) { onTextChange_ = std::move(handler); }

 private:
  std::vector<std::string> items_;
  int index_ = -1;
  std::string text_;
  Handler onSelect_;
  Handler onTextChange_;
};

class Frame : public Control {
 public:
  explicit Frame(std::string name, std::string caption = {});
};

// A picture box: the window decides what it shows; the model says whether.
class Picture : public Control {
 public:
  explicit Picture(std::string name) : Control(std::move(name), ControlKind::Picture) {}
};

class Label : public Control {
 public:
  explicit Label(std::string name, std::string caption = {});
};

class Button : public Control {
 public:
  explicit Button(std::string name, std::string caption = {}, ControlKind kind = ControlKind::Button);
  void OnClick(Handler handler) { onClick_ = std::move(handler); }
  void Click();

 private:
  Handler onClick_;
};

// A menu entry: a button that lives in the menu bar.
class MenuItem : public Button {
 public:
  explicit MenuItem(std::string name, std::string caption = {});
};

// A one-line text box.
class TextField : public Control {
 public:
  using CharFilter = std::function<bool(char)>;

  explicit TextField(std::string name, int maxLength = 0);

  virtual const std::string& Text() const { return text_; }
  // Code assigns the text as it stands; runs the change handler if it differs.
  void SetText(std::string text);
  // The user types the whole content: characters the box refuses are
  // dropped and the length limit holds, as in the real box.
  void Type(std::string_view typed);
  // A character that remains after the key handler is typed at the end of
  // the text, and so is a line break for Enter in a box of several lines.
  int PressKey(int key) override;

  // A box of several lines keeps line breaks ("\n"); a one-line box refuses
  // them like every other control character.
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool multiLine) { multiLine_ = multiLine; }
  void Click();

  int MaxLength() const { return maxLength_; }
  // Background colour as 0xRRGGBB; nullopt is the platform's default.
  std::optional<std::uint32_t> BackColor() const { return backColor_; }
  void SetBackColor(std::uint32_t rgb);

  void SetCharFilter(CharFilter filter) { charFilter_ = std::move(filter); }
  void OnChange(Handler handler) { onChange_ = std::move(handler); }
  void OnClick(Handler handler) { onClick_ = std::move(handler); }

 protected:
  virtual void StoreText(std::string text);

 private:
  std::string text_;
  int maxLength_;
  std::optional<std::uint32_t> backColor_;
  bool multiLine_ = false;
  CharFilter charFilter_;
  Handler onChange_;
  Handler onClick_;
};

// A text box that is one cell of the setup image.
class CellField : public TextField {
 public:
  CellField(std::string name, SetupImage& image, int cellIndex);
  const std::string& Text() const override;
  // The image tells the cell's view about changes made through the image.
  void ImageChanged() const { NotifyView(); }

 protected:
  void StoreText(std::string text) override;

 private:
  SetupImage& image_;
  int cellIndex_;
};

// The tab control: its tabs can be closed to the user.
class TabStrip : public Control {
 public:
  TabStrip(std::string name, std::vector<std::string> captions);
  const std::vector<std::string>& Captions() const { return captions_; }
  void SetTabCaption(int tab, std::string caption);
  int Index() const { return index_; }
  // False when the tab does not exist or is closed to the user.
  bool Select(int tab);
  bool TabEnabled(int tab) const;
  void SetTabEnabled(int tab, bool enabled);

 private:
  std::vector<std::string> captions_;
  std::vector<bool> tabEnabled_;
  int index_ = 0;
};

class ProgressBar : public Control {
 public:
  explicit ProgressBar(std::string name);
  int Value() const { return value_; }
  void SetValue(int value);

 private:
  int value_ = 0;
};

// The toolbar: buttons identified by their key; spacers have an empty key.
class Toolbar : public Control {
 public:
  struct ToolButton {
    std::string key;
    std::string caption;
    std::string toolTip;
  };
  using ClickHandler = std::function<void(const std::string& key)>;

  Toolbar(std::string name, std::vector<ToolButton> buttons);
  const std::vector<ToolButton>& Buttons() const { return buttons_; }
  // number is 1-based, as the buttons are counted.
  void SetButton(int number, ToolButton button);
  void ClickButton(int number);
  // False when no button has this key.
  bool ClickKey(std::string_view key);
  void OnButtonClick(ClickHandler handler) { onButtonClick_ = std::move(handler); }

 private:
  std::vector<ToolButton> buttons_;
  ClickHandler onButtonClick_;
};

// A window of the program: its caption is the title bar.
class Form : public Control {
 public:
  Form(std::string name, std::string caption);
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Move(int left, int top);
  void Resize(int width, int height);

 private:
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace k9r
