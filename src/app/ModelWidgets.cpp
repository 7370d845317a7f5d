#include "app/ModelWidgets.h"

#include <QEvent>

#include "app/Bindings.h"
#include "editor/MainWindow.h"

namespace k9r {

namespace {

// Setting names line up, so that their lists start in one column.
constexpr int kSettingLabelWidth = 84;

class VisibilityFollower : public QObject {
 public:
  VisibilityFollower(QWidget* leader, QWidget* follower) : QObject(leader), follower_(follower) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShowToParent) follower_->setVisible(true);
    if (event->type() == QEvent::HideToParent) follower_->setVisible(false);
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* follower_;
};

}  // namespace

QComboBox* ListWidget(MainWindow& model, std::string_view name, int width) {
  auto* widget = new QComboBox;
  if (width != kFitItems) widget->setFixedWidth(width);
  BindChoice(widget, model.Controls().Get<Choice>(name));
  return widget;
}

QComboBox* DisplayListWidget(MainWindow& model, std::string_view name, int width) {
  QComboBox* widget = ListWidget(model, name, width);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget->setFocusPolicy(Qt::NoFocus);
  return widget;
}

QLabel* LabelWidget(MainWindow& model, std::string_view name) {
  auto* widget = new QLabel;
  BindLabel(widget, model.Controls().Get<Label>(name));
  return widget;
}

QGroupBox* GroupWidget(MainWindow& model, std::string_view name) {
  auto* widget = new QGroupBox;
  BindFrame(widget, model.Controls().Get<Frame>(name));
  return widget;
}

QWidget* ContainerWidget(MainWindow& model, std::string_view name) {
  auto* widget = new QWidget;
  BindContainer(widget, model.Controls().Get<Control>(name));
  return widget;
}

QLabel* LayoutText(const QString& text) { return new QLabel(text); }

QLabel* SecondsUnit() { return LayoutText(QStringLiteral("sec")); }

QHBoxLayout* TightRow(QWidget* owner) {
  auto* row = new QHBoxLayout(owner);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(3);
  return row;
}

QWidget* SettingRow(MainWindow& model, const QString& text, std::string_view list, std::string_view frame,
                    bool seconds) {
  QWidget* row = frame.empty() ? new QWidget : ContainerWidget(model, frame);
  QHBoxLayout* layout = TightRow(row);
  QLabel* label = LayoutText(text);
  label->setMinimumWidth(kSettingLabelWidth);
  layout->addWidget(label);
  layout->addWidget(ListWidget(model, list));
  if (seconds) layout->addWidget(SecondsUnit());
  layout->addStretch();
  return row;
}

void FollowVisibility(QWidget* follower, QWidget* leader) {
  follower->setVisible(!leader->isHidden());
  leader->installEventFilter(new VisibilityFollower(leader, follower));
}

}  // namespace k9r
