#include "app/ModePanelView.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "app/Bindings.h"
#include "app/ModelWidgets.h"
#include "editor/MainWindow.h"
#include "editor/ModePanel.h"

namespace k9r {

namespace {

constexpr int kModeColumns = 5;
constexpr int kModeButtonWidth = 64;

// Each box lists the first key's function, the second key's and the
// interlock; a mode's three Label3 elements do not always come in that
// order. Offsets from the mode's first element, by mode.
using CaptionOrder = std::array<int, ModePanel::kCaptionsPerMode>;
constexpr CaptionOrder kInOrder{0, 1, 2};
constexpr CaptionOrder kInterlockFirst{1, 2, 0};
constexpr CaptionOrder kReversed{2, 1, 0};
constexpr CaptionOrder kCaptionOrders[ModePanel::kModeCount] = {
    kInOrder,  kInterlockFirst, kReversed, kInterlockFirst, kInOrder,         // 1-5
    kInOrder,  kInOrder,        kReversed, kReversed,       kInOrder,         // 6-10
    kInOrder,  kInOrder,        kInterlockFirst, kInOrder,  kInOrder,         // 11-15
    kInOrder,  kInterlockFirst, kInOrder,  kInOrder,        kInOrder,         // 16-20
    kInOrder,  kInOrder,        kInOrder,  kInOrder,        kInOrder,         // 21-25
};

// Keeps the panel as large as the window part it lies over.
class CoverHost : public QObject {
 public:
  CoverHost(QWidget* host, QWidget* panel) : QObject(panel), panel_(panel) { host->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) panel_->setGeometry(static_cast<QWidget*>(watched)->rect());
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget* panel_;
};

// A mode box: its button with the three captions of what it sets beside it.
QWidget* ModeBox(MainWindow& model, int mode) {
  auto* frame = new QFrame;
  frame->setFrameShape(QFrame::StyledPanel);
  BindContainer(frame, model.Controls().Get<Frame>(Indexed("M1", ModePanel::FrameOfMode(mode))));
  auto* row = new QHBoxLayout(frame);
  row->setContentsMargins(3, 2, 3, 2);
  row->setSpacing(4);

  auto* button = new QPushButton;
  button->setFixedWidth(kModeButtonWidth);
  BindButton(button, model.Panel().ModeButton(mode));
  row->addWidget(button);

  auto* captions = new QVBoxLayout;
  captions->setSpacing(0);
  const int first = ModePanel::FirstCaptionOfMode(mode);
  for (int offset : kCaptionOrders[mode - 1]) captions->addWidget(LabelWidget(model, Indexed("Label3", first + offset)));
  row->addLayout(captions, 1);
  return frame;
}

QWidget* Descriptions(MainWindow& model) {
  auto* box = new QWidget;
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(4, 0, 4, 0);
  column->setSpacing(1);
  for (const ModePanel::Description& description : ModePanel::Descriptions()) {
    for (std::string_view name : {description.label, description.continuation}) {
      if (name.empty()) continue;
      QLabel* text = LabelWidget(model, name);
      text->setWordWrap(true);
      column->addWidget(text);
    }
  }
  return box;
}

}  // namespace

QWidget* BuildModePanel(MainWindow& model, QWidget* host) {
  auto* panel = new QFrame(host);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  // The panel hides what lies under it.
  panel->setAutoFillBackground(true);
  QFont compact = panel->font();
  compact.setPointSizeF(compact.pointSizeF() * 0.85);
  panel->setFont(compact);

  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(6);

  auto* modes = new QGridLayout;
  modes->setSpacing(4);
  for (int mode = 1; mode <= ModePanel::kModeCount; ++mode) {
    modes->addWidget(ModeBox(model, mode), (mode - 1) / kModeColumns, (mode - 1) % kModeColumns);
  }
  layout->addLayout(modes);
  layout->addWidget(Descriptions(model));
  layout->addStretch();

  auto* exit = new QPushButton;
  BindButton(exit, model.Panel().EXIT_SELECT_MODE());
  layout->addWidget(exit, 0, Qt::AlignRight);

  BindContainer(panel, model.Panel().SELECT_MODETYPE());
  panel->setGeometry(host->rect());
  new CoverHost(host, panel);
  panel->raise();
  return panel;
}

}  // namespace k9r
