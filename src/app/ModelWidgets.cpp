#include "app/ModelWidgets.h"

#include <QEvent>
#include <stdexcept>
#include <string>

#include "app/Bindings.h"
#include "editor/MainWindow.h"
#include "editor/SpecialFunctions.h"

namespace k9r {

namespace {

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

QHBoxLayout* TightRow(QWidget* owner) {
  auto* row = new QHBoxLayout(owner);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(3);
  return row;
}

namespace {

QHBoxLayout* AddRow(QGridLayout* grid, int row, QLabel* name, MainWindow& model, std::string_view list,
                    std::string_view frame) {
  QWidget* value = frame.empty() ? new QWidget : ContainerWidget(model, frame);
  QHBoxLayout* layout = TightRow(value);
  layout->addWidget(ListWidget(model, list));
  const SettingLabel* entry = SettingLabelOf(list);
  if (entry && !entry->unit.empty()) layout->addWidget(LabelWidget(model, entry->unit));
  grid->addWidget(value, row, 1, Qt::AlignLeft);
  if (frame.empty()) {
    grid->addWidget(name, row, 0);
  } else {
    // The model shows and hides a bound label itself, so the label goes
    // with the frame inside a cell of its own.
    auto* nameCell = new QWidget;
    TightRow(nameCell)->addWidget(name);
    grid->addWidget(nameCell, row, 0);
    FollowVisibility(nameCell, value);
  }
  return layout;
}

}  // namespace

QHBoxLayout* AddSettingRow(QGridLayout* grid, int row, MainWindow& model, std::string_view list,
                           std::string_view frame) {
  const SettingLabel* entry = SettingLabelOf(list);
  if (!entry) throw std::logic_error("no label names the list " + std::string(list));
  return AddRow(grid, row, LabelWidget(model, entry->label), model, list, frame);
}

QHBoxLayout* AddNamedSettingRow(QGridLayout* grid, int row, const QString& name, MainWindow& model,
                                std::string_view list, std::string_view frame) {
  return AddRow(grid, row, LayoutText(name), model, list, frame);
}

void FollowVisibility(QWidget* follower, QWidget* leader) {
  follower->setVisible(!leader->isHidden());
  leader->installEventFilter(new VisibilityFollower(leader, follower));
}

}  // namespace k9r
