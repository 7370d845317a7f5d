#include "app/PairEditorsView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/Bindings.h"
#include "app/ModelWidgets.h"
#include "core/ByteMap.h"
#include "editor/MainWindow.h"
#include "editor/PairEditing.h"

namespace k9r {

namespace {

enum Column { kPairColumn, kFirstKeyColumn, kFirstEmsColumn, kSecondKeyColumn, kSecondEmsColumn, kInterlockColumn,
              kColumnCount };
using ColumnWidths = std::array<int, kColumnCount>;

// Wide enough for every item any pair's list of that column can show.
ColumnWidths MeasureColumns(MainWindow& model, const QFont& font) {
  const auto fitting = [&](const char* arrayName, std::initializer_list<int> indexes) {
    QComboBox probe;
    probe.setFont(font);
    for (int index : indexes) {
      for (const auto& item : model.Controls().Get<Choice>(Indexed(arrayName, index)).Items()) {
        probe.addItem(QString::fromStdString(item));
      }
    }
    return probe.sizeHint().width();
  };
  int pairWidth = fitting("MODELTYPE_NO", {0, 5});
  for (int pair = 0; pair < bytemap::kPairCount; ++pair) {
    QPushButton probe(QString::fromStdString(model.Pairs().FUNC_MODE_SELECT(pair).Caption()));
    probe.setFont(font);
    pairWidth = std::max(pairWidth, probe.sizeHint().width());
  }
  const int keyWidth = std::max(fitting("UP_FUNC", {0, 5}), fitting("DOWN_FUNC", {0, 5}));
  const int emsWidth = fitting("CONTROL_FUNC_UD", {0, 10});
  return {pairWidth, keyWidth, emsWidth, keyWidth, emsWidth, fitting("INTERLOCK_UD", {0, 5})};
}

QGridLayout* PairGrid(QWidget* owner, const ColumnWidths& widths) {
  auto* grid = new QGridLayout(owner);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(3);
  grid->setVerticalSpacing(1);
  for (int column = 0; column < kColumnCount; ++column) grid->setColumnMinimumWidth(column, widths[column]);
  grid->setColumnStretch(kColumnCount, 1);
  return grid;
}

// A delay list with its caption(s) before it and its unit after it.
QWidget* DelayRow(MainWindow& model, std::string_view frame, std::initializer_list<std::string_view> captions,
                  std::string_view list, const Label& unit) {
  QWidget* container = ContainerWidget(model, frame);
  QHBoxLayout* row = TightRow(container);
  for (std::string_view caption : captions) row->addWidget(LabelWidget(model, caption));
  row->addWidget(ListWidget(model, list));
  row->addWidget(LabelWidget(model, unit.Name()));
  return container;
}

QWidget* Heading(const ColumnWidths& widths) {
  auto* heading = new QWidget;
  QGridLayout* grid = PairGrid(heading, widths);
  const char* titles[kColumnCount] = {"Pair / Mode", "1st Key", "EMS", "2nd Key", "EMS", "Interlock / Delay"};
  for (int column = 0; column < kColumnCount; ++column) {
    QLabel* title = LayoutText(titles[column]);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, column);
  }
  return heading;
}

QWidget* PairEditor(MainWindow& model, int pair, const ColumnWidths& widths) {
  PairEditing& pairs = model.Pairs();
  // Pair 5 lives in the frame that only the six-pair unit shows.
  QWidget* editor = pair == 5 ? ContainerWidget(model, "PAIR5_FRAME") : new QWidget;
  QGridLayout* grid = PairGrid(editor, widths);

  auto* pairButton = new QPushButton;
  pairButton->setFixedWidth(widths[kPairColumn]);
  BindButton(pairButton, pairs.FUNC_MODE_SELECT(pair));
  BindKeyPress(pairButton, pairs.FUNC_MODE_SELECT(pair));
  grid->addWidget(pairButton, 0, kPairColumn);

  // The mode decides these lists: a pair is changed through its button.
  grid->addWidget(DisplayListWidget(model, Indexed("MODELTYPE_NO", pair), widths[kPairColumn]), 1, kPairColumn);
  grid->addWidget(DisplayListWidget(model, Indexed("UP_FUNC", pair), widths[kFirstKeyColumn]), 0, kFirstKeyColumn);
  grid->addWidget(ListWidget(model, Indexed("CONTROL_FUNC_UD", 2 * pair), widths[kFirstEmsColumn]), 0,
                  kFirstEmsColumn);
  grid->addWidget(DisplayListWidget(model, Indexed("DOWN_FUNC", pair), widths[kSecondKeyColumn]), 0,
                  kSecondKeyColumn);
  grid->addWidget(ListWidget(model, Indexed("CONTROL_FUNC_UD", 2 * pair + 1), widths[kSecondEmsColumn]), 0,
                  kSecondEmsColumn);
  grid->addWidget(DisplayListWidget(model, Indexed("INTERLOCK_UD", pair), widths[kInterlockColumn]), 0,
                  kInterlockColumn);

  grid->addWidget(DelayRow(model, Indexed("ACCDELAYUP", pair), {Indexed("ACCTEXT_up", pair)},
                           Indexed("TIME_ACCDELAY_UP", pair), pairs.DelayUnit(pair, PairDelay::FirstKey)),
                  1, kFirstKeyColumn, 1, 2, Qt::AlignLeft);
  // The interlock delay with its caption is wider than the interlock
  // column: it shares the rest of the row with the second key's delay and
  // ends where the interlock list ends.
  auto* rest = new QWidget;
  QHBoxLayout* restRow = TightRow(rest);
  restRow->addWidget(DelayRow(model, Indexed("ACCDELAY_DOWN", pair),
                              {pairs.AccDelayCaption(pair).Name(), pairs.DelayTimesCaption(pair).Name()},
                              Indexed("TIME_ACCDELAY_DN", pair), pairs.DelayUnit(pair, PairDelay::SecondKey)));
  restRow->addStretch();
  restRow->addWidget(DelayRow(model, Indexed("INTERLOCK_DELAY_TIME_UPDN", pair),
                              {pairs.InterlockDelayCaption(pair).Name()}, Indexed("INTL_DelayTime_UP", pair),
                              pairs.DelayUnit(pair, PairDelay::Interlock)));
  grid->addWidget(rest, 1, kSecondKeyColumn, 1, kColumnCount - kSecondKeyColumn);
  return editor;
}

}  // namespace

QWidget* BuildPairEditors(MainWindow& model, const QFont& font) {
  const ColumnWidths widths = MeasureColumns(model, font);
  auto* editors = new QWidget;
  editors->setFont(font);
  auto* column = new QVBoxLayout(editors);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  column->addWidget(Heading(widths));
  for (int pair = 0; pair < bytemap::kPairCount; ++pair) column->addWidget(PairEditor(model, pair, widths));
  column->addStretch();
  return editors;
}

}  // namespace k9r
