#pragma once

#include <QWidget>

namespace k9r {

class MainWindow;

// One half of the setup image as a grid of 128 cells, each a small frame with
// its address label over a two-digit box.
QWidget* BuildMemoryGrid(MainWindow& model, int half);

}  // namespace k9r
