#pragma once

#include <QWidget>

namespace k9r {

class MainWindow;

// Picture1 (standard transmitter) and Picture2 (six-pair transmitter), drawn
// from the SVG front views; the model decides which one shows.
QWidget* BuildTransmitterPictures(MainWindow& model);

}  // namespace k9r
