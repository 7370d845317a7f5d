#pragma once

#include <QWidget>

namespace k9r {

class MainWindow;

// The "User-Infomation" tab: the distributor's and the user's contact
// fields side by side, bound to the model.
QWidget* BuildUserInfoPage(MainWindow& model, QWidget* parent);

}  // namespace k9r
