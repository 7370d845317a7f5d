#include "app/FunctionTab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Bindings.h"
#include "app/ModelWidgets.h"
#include "app/PairEditorsView.h"
#include "app/TransmitterPictures.h"
#include "editor/MainWindow.h"
#include "editor/UnitInformation.h"

namespace k9r {

namespace {

// One row height for every list, button and field: the six-pair unit shows
// six pair editors and must still fit 800x600.
constexpr int kRowHeight = 20;

QGridLayout* GroupGrid(QGroupBox* group) {
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(6, 2, 6, 4);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(1);
  return grid;
}

QWidget* ReceiverGroup(MainWindow& model) {
  QGroupBox* group = GroupWidget(model, "RC_INFOMATION");
  QGridLayout* grid = GroupGrid(group);
  AddSettingRow(grid, 0, model, "POWER_ON_MODE");
  // Only the Inching / Acceleration power-on mode has an inching time.
  AddSettingRow(grid, 1, model, "TIME_INCHING", "INCHINE_TIMES");
  AddSettingRow(grid, 2, model, "POWER_ON_OFF_SW");
  AddSettingRow(grid, 3, model, "REMOTE_SET_SW");
  AddSettingRow(grid, 4, model, "PASSIVE_ACT");
  AddSettingRow(grid, 5, model, "PASSIVE_EMS_time");
  AddSettingRow(grid, 6, model, "AUTO_OFF_RX_TIMES", "AUTO_OFF_RX_TIMES_BOX");
  grid->setRowStretch(7, 1);
  return group;
}

QWidget* TransmitterGroup(MainWindow& model) {
  QGroupBox* group = GroupWidget(model, "TRANSMETER_FUNC_BOX");
  QGridLayout* grid = GroupGrid(group);
  AddSettingRow(grid, 0, model, "TRANSMIT_MODE");
  // The auto-off time stands beside the switch; only continuous
  // transmission has one.
  QWidget* times = ContainerWidget(model, "AUTO_OFF_TX_TIMES_BOX");
  TightRow(times)->addWidget(ListWidget(model, "AUTO_OFF_TX_TIMES"));
  AddSettingRow(grid, 1, model, "AUTO_OFF_TX_SW")->addWidget(times);
  AddSettingRow(grid, 2, model, "SAVE_POWER_SW");
  AddSettingRow(grid, 3, model, "LED_ON_OFF_SW");
  AddSettingRow(grid, 4, model, "LED_OFF_TIME", "LED_TIMESBOX");
  grid->setRowStretch(5, 1);
  return group;
}

// The START key's emergency-stop choice (shown with the Toggle power-on
// mode) and the standard unit's F1 key.
QWidget* StartAndF1Group(MainWindow& model) {
  QGroupBox* group = GroupWidget(model, "START_FUNC");
  auto* column = new QVBoxLayout(group);
  column->setContentsMargins(3, 2, 3, 4);
  column->setSpacing(2);

  // The START key's name over its list: side by side they are wider than
  // the column.
  QLabel* startLabel = LayoutText("START KEY ");
  QComboBox* startEms = ListWidget(model, "R0_KEY_EMS");
  column->addWidget(startLabel);
  column->addWidget(startEms, 0, Qt::AlignLeft);
  FollowVisibility(startLabel, startEms);

  auto* f1Row = new QWidget;
  QHBoxLayout* f1 = TightRow(f1Row);
  f1->addWidget(LabelWidget(model, "Label1(87)"));
  f1->addWidget(ListWidget(model, "F1_MODE"));
  f1->addStretch();
  column->addWidget(f1Row);
  column->addWidget(ListWidget(model, "CONTROL_FUNC_F1"), 0, Qt::AlignRight);

  // The F1 delay's name over its list: the column is narrow.
  QWidget* delay = ContainerWidget(model, "ACCDELAY_DOWN_F1");
  auto* delayLines = new QVBoxLayout(delay);
  delayLines->setContentsMargins(0, 0, 0, 0);
  delayLines->setSpacing(0);
  delayLines->addWidget(LabelWidget(model, "Label1(49)"));
  auto* delayRow = new QHBoxLayout;
  delayRow->setSpacing(3);
  delayRow->addWidget(LabelWidget(model, "Label1(64)"));
  delayRow->addWidget(ListWidget(model, "TIME_ACCDELAY_DN_F1"));
  delayRow->addWidget(LabelWidget(model, "Label1(70)"));
  delayRow->addStretch();
  delayLines->addLayout(delayRow);
  column->addWidget(delay);
  column->addStretch();
  return group;
}

// Each field under its label: the column beside the pair editors is narrow.
QWidget* UnitInformationGroup(MainWindow& model) {
  QGroupBox* group = GroupWidget(model, "REMOTE_FUNC");
  auto* column = new QVBoxLayout(group);
  column->setContentsMargins(6, 2, 6, 4);
  column->setSpacing(0);
  for (const UnitInformationRow& row : UnitInformationRows()) {
    column->addWidget(LabelWidget(model, row.label));
    auto* field = new QLineEdit;
    field->setReadOnly(true);
    BindTextField(field, model.Controls().Get<TextField>(row.field));
    column->addWidget(field);
  }
  return group;
}

}  // namespace

void BuildFunctionTab(QWidget* page, MainWindow& model, QWidget* commandFrame) {
  // The window packs all of this into 800x600; a slightly smaller font
  // keeps it readable there.
  QFont compact = page->font();
  compact.setPointSizeF(compact.pointSizeF() * 0.85);
  page->setFont(compact);

  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(2, 4, 2, 2);
  layout->setSpacing(4);

  auto* top = new QHBoxLayout;
  top->setSpacing(4);
  top->addWidget(BuildPairEditors(model, compact), 0, Qt::AlignTop);
  auto* side = new QVBoxLayout;
  side->setSpacing(4);
  side->addWidget(StartAndF1Group(model));
  side->addWidget(UnitInformationGroup(model));
  side->addStretch();
  top->addLayout(side, 1);
  layout->addLayout(top, 1);

  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(6);
  bottom->addWidget(ReceiverGroup(model));
  bottom->addWidget(TransmitterGroup(model));
  bottom->addWidget(BuildTransmitterPictures(model), 1);
  bottom->addWidget(commandFrame, 0, Qt::AlignBottom);
  layout->addLayout(bottom);

  for (QWidget* row : page->findChildren<QComboBox*>()) row->setFixedHeight(kRowHeight);
  for (QWidget* row : page->findChildren<QLineEdit*>()) row->setFixedHeight(kRowHeight);
  for (QWidget* row : page->findChildren<QPushButton*>()) row->setFixedHeight(kRowHeight + 2);
}

}  // namespace k9r
