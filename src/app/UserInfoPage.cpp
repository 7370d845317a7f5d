#include "app/UserInfoPage.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "app/Bindings.h"
#include "editor/ContactFields.h"
#include "editor/MainWindow.h"

namespace k9r {

namespace {

// Three characters of digits, wide enough for them and no more.
constexpr int kShortFieldWidth = 44;
constexpr int kAddressLines = 3;
constexpr int kRemarkLines = 6;

// Every widget gets its parent when it is made: a binding shows the widget
// at once, and a widget shown without a parent would be a window of its own.
QWidget* FieldWidget(MainWindow& model, const ContactFieldSpec& spec, QWidget* parent) {
  TextField& field = model.Controls().Get<TextField>(spec.name);
  if (spec.multiLine) {
    auto* edit = new QPlainTextEdit(parent);
    BindTextEdit(edit, field);
    edit->setTabChangesFocus(true);
    const int lines = spec.enterMovesOn ? kAddressLines : kRemarkLines;
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * lines + 12);
    return edit;
  }
  auto* edit = new QLineEdit(parent);
  BindTextField(edit, field);
  if (spec.maxLength > 0) edit->setFixedWidth(kShortFieldWidth);
  return edit;
}

QLabel* LabelWidget(MainWindow& model, const ContactFieldSpec& spec, QWidget* parent) {
  auto* label = new QLabel(parent);
  BindLabel(label, model.Controls().Get<Label>(spec.label));
  return label;
}

// The frequency is typed as its integer part, "." and its fraction, so the
// two parts, the point and the unit share one row.
QWidget* FrequencyRow(MainWindow& model, const ContactFieldSpec& integerPart, const ContactFieldSpec& fraction,
                      QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FieldWidget(model, integerPart, row));
  layout->addWidget(new QLabel(QStringLiteral("."), row));
  layout->addWidget(FieldWidget(model, fraction, row));
  layout->addWidget(LabelWidget(model, fraction, row));
  layout->addStretch();
  return row;
}

QGroupBox* FrameWidget(MainWindow& model, std::string_view frameName, QWidget* parent) {
  auto* frame = new QGroupBox(parent);
  BindFrame(frame, model.Controls().Get<Frame>(frameName));
  auto* grid = new QGridLayout(frame);
  int row = 0;
  const auto& fields = kContactFields;
  for (std::size_t i = 0; i < std::size(fields); ++i) {
    const ContactFieldSpec& spec = fields[i];
    if (spec.frame != frameName) continue;
    if (spec.name == "DISTRIBUTOR_FRQ1") {
      grid->addWidget(LabelWidget(model, spec, frame), row, 0);
      grid->addWidget(FrequencyRow(model, spec, fields[i + 1], frame), row++, 1);
      ++i;
      continue;
    }
    QWidget* field = FieldWidget(model, spec, frame);
    grid->addWidget(LabelWidget(model, spec, frame), row, 0, spec.multiLine ? Qt::AlignTop : Qt::Alignment());
    grid->addWidget(field, row++, 1, spec.maxLength > 0 ? Qt::AlignLeft : Qt::Alignment());
  }
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(1, 1);
  return frame;
}

}  // namespace

QWidget* BuildUserInfoPage(MainWindow& model, QWidget* parent) {
  auto* page = new QWidget(parent);
  auto* layout = new QHBoxLayout(page);
  QGroupBox* distributor = FrameWidget(model, kDistributorFrame, page);
  QGroupBox* user = FrameWidget(model, kUserFrame, page);
  layout->addWidget(distributor, 1);
  layout->addWidget(user, 1);

  // The focus moves in the order of the fields, as Enter does.
  QWidget* previous = nullptr;
  for (const ContactFieldSpec& spec : kContactFields) {
    auto* widget = page->findChild<QWidget*>(QString::fromUtf8(spec.name.data(), static_cast<int>(spec.name.size())));
    if (previous && widget) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
  return page;
}

}  // namespace k9r
