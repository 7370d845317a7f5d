#pragma once

#include <QWidget>

namespace k9r {

class MainWindow;

// Lays out the "SPEC-FUNC" tab: battery, auto-off, checksum and EMS
// settings and the per-key delays, in the frame SPEC_FUNC. The tab is
// closed to users; the controls are set by start-up and decoding all the same.
void BuildSpecFuncTab(QWidget* page, MainWindow& model);

}  // namespace k9r
