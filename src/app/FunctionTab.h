#pragma once

#include <QWidget>

namespace k9r {

class MainWindow;

// Lays out the " Function-Setting" tab: the pair editors, the START and F1
// keys, the receiver and transmitter functions, the unit information and
// the given frame of read/write/print commands.
void BuildFunctionTab(QWidget* page, MainWindow& model, QWidget* commandFrame);

}  // namespace k9r
