#include "app/MemoryGrid.h"

#include <QGridLayout>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/Bindings.h"
#include "editor/MainWindow.h"

namespace k9r {

namespace {

constexpr int kCellsPerHalf = 128;
constexpr int kColumns = 16;

QWidget* BuildCell(MainWindow& model, int cell, QWidget* parent) {
  auto* box = new QGroupBox(parent);
  BindFrame(box, model.Controls().Get<Frame>(Indexed("SETUP_DATA_BYTEBOX", cell)));
  box->setFlat(true);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(1, 1, 1, 1);
  layout->setSpacing(0);

  auto* label = new QLabel(box);
  BindLabel(label, model.SETUP_DATA_LABEL(cell));
  label->setAlignment(Qt::AlignCenter);
  QFont small = label->font();
  small.setPointSizeF(small.pointSizeF() * 0.8);
  label->setFont(small);

  auto* edit = new QLineEdit(box);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9A-Fa-f]{0,2}"), edit));
  edit->setAlignment(Qt::AlignCenter);
  edit->setFixedWidth(34);
  BindTextField(edit, model.SETUP_DATA_TXTBOX(cell));

  layout->addWidget(label);
  layout->addWidget(edit, 0, Qt::AlignHCenter);
  return box;
}

}  // namespace

QWidget* BuildMemoryGrid(MainWindow& model, int half) {
  auto* frame = new QGroupBox;
  BindFrame(frame, model.Controls().Get<Frame>(Indexed("SETUP_DATA", half)));
  auto* grid = new QGridLayout(frame);
  grid->setSpacing(2);
  for (int i = 0; i < kCellsPerHalf; ++i) {
    const int cell = half * kCellsPerHalf + i;
    grid->addWidget(BuildCell(model, cell, frame), i / kColumns, i % kColumns);
  }
  return frame;
}

}  // namespace k9r
