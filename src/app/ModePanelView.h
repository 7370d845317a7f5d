#pragma once

#include <QWidget>

namespace k9r {

class MainWindow;

// Lays the mode panel SELECT_MODETYPE over `host`: whenever the model
// shows the panel it covers the host whole, with the 25 mode boxes (each
// in its M1 frame with its three captions), the mode descriptions and EXIT.
QWidget* BuildModePanel(MainWindow& model, QWidget* host);

}  // namespace k9r
