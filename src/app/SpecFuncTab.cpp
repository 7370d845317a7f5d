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
  auto* grid = new QGridLayout(delays);
  const auto names = TimeLists::KeyDelayListNames();
  for (int key = 0; key < static_cast<int>(names.size()); ++key) {
    grid->addWidget(SettingRow(model, kKeyNames[key], names[static_cast<std::size_t>(key)]), key % 6, key / 6);
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

  auto* settings = new QVBoxLayout;
  settings->addWidget(SettingRow(model, "Low Battery", "LOWER_BATTERY"));
  settings->addWidget(SettingRow(model, "Battery Control", "BATTERY_CONT_SW"));
  settings->addWidget(SettingRow(model, "Battery Times", "BATTERY_TIMES"));
  settings->addWidget(SettingRow(model, "Rx Auto-Off", "AUTO_OFF_RX_SW", "AUTO_OFF_RXBOX"));
  settings->addWidget(SettingRow(model, "Auto-Off EMS", "AUTO_OFF_EMS_SW"));
  settings->addWidget(SettingRow(model, "Checksum", "CHKSUM_SW1"));
  settings->addWidget(SettingRow(model, "EMS Times", "ems_times"));
  settings->addStretch();

  auto* columns = new QHBoxLayout(frame);
  columns->addLayout(settings);
  columns->addWidget(KeyDelays(model), 0, Qt::AlignTop);
  columns->addStretch();
}

}  // namespace k9r
