#include "app/SpecFuncTab.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "app/ModelWidgets.h"
#include "editor/MainWindow.h"
#include "editor/TimeLists.h"

namespace k9r {

namespace {

constexpr const char* kKeyNames[] = {"Up", "Down", "East", "West", "South", "North",
                                     "R1", "R2", "R3", "R4", "R5", "R6"};

QWidget* KeyDelays(MainWindow& model) {
  auto* delays = new QGroupBox(QStringLiteral("Key Delay"));
  auto* columns = new QHBoxLayout(delays);
  columns->setSpacing(16);
  const auto names = TimeLists::KeyDelayListNames();
  constexpr int kKeysPerColumn = 6;
  for (int first = 0; first < static_cast<int>(names.size()); first += kKeysPerColumn) {
    auto* grid = new QGridLayout;
    for (int key = first; key < first + kKeysPerColumn; ++key) {
      AddNamedSettingRow(grid, key - first, kKeyNames[key], model, names[static_cast<std::size_t>(key)]);
    }
    columns->addLayout(grid);
  }
  return delays;
}

}  // namespace

void BuildSpecFuncTab(QWidget* page, MainWindow& model) {
  // The same compact font as the function tab.
  QFont compact = page->font();
  compact.setPointSizeF(compact.pointSizeF() * 0.85);
  page->setFont(compact);
  auto* pageLayout = new QVBoxLayout(page);
  QGroupBox* frame = GroupWidget(model, "SPEC_FUNC");
  pageLayout->addWidget(frame);

  auto* settings = new QGridLayout;
  AddSettingRow(settings, 0, model, "LOWER_BATTERY");
  AddSettingRow(settings, 1, model, "BATTERY_CONT_SW");
  AddNamedSettingRow(settings, 2, "Battery Times", model, "BATTERY_TIMES");
  AddNamedSettingRow(settings, 3, "Rx Auto-Off", model, "AUTO_OFF_RX_SW", "AUTO_OFF_RXBOX");
  AddNamedSettingRow(settings, 4, "Auto-Off EMS", model, "AUTO_OFF_EMS_SW");
  AddSettingRow(settings, 5, model, "CHKSUM_SW1");
  AddSettingRow(settings, 6, model, "ems_times");
  settings->setRowStretch(7, 1);

  auto* columns = new QHBoxLayout(frame);
  columns->addLayout(settings);
  columns->addSpacing(20);
  columns->addWidget(KeyDelays(model), 0, Qt::AlignTop);
  columns->addStretch();
}

}  // namespace k9r
