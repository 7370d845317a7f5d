#pragma once

#include <QFont>
#include <QWidget>

namespace k9r {

class MainWindow;

// The six button-pair editors, one under the other with aligned columns:
// the pair button with the mode below it, each key's function and
// emergency-stop choice with its acceleration delay below them, and the
// interlock with its delay. Columns are as wide as their lists' longest
// item in the given font.
QWidget* BuildPairEditors(MainWindow& model, const QFont& font);

}  // namespace k9r
