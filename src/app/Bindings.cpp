#include "app/Bindings.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QSignalBlocker>

namespace k9r {

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// Shows the control's own visibility and its usable state on the widget.
void ShowCommonState(QWidget* widget, const Control& control) {
  widget->setEnabled(control.Enabled());
  // Hidden means hidden; shown means "shown when its parent is". A widget
  // not yet placed in the window is not shown: it would open as a window
  // of its own; it shows with the parent it gets.
  if (!control.Visible()) {
    widget->setVisible(false);
  } else if (widget->parentWidget()) {
    widget->setVisible(true);
  } else {
    widget->setAttribute(Qt::WA_WState_ExplicitShowHide, false);
  }
}

// Sends clicks on a text box to the model (a click opens the cell dialog).
class ClickFilter : public QObject {
 public:
  ClickFilter(QObject* parent, TextField& field) : QObject(parent), field_(field) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease) field_.Click();
    return QObject::eventFilter(watched, event);
  }

 private:
  TextField& field_;
};

// Lets the model's key handler see each key first: a key it swallows never
// reaches the widget (Enter that moves on to the next field, for example).
// The widget itself types what remains.
class KeyFilter : public QObject {
 public:
  KeyFilter(QObject* parent, Control& control) : QObject(parent), control_(control) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int code = KeyCode(*static_cast<QKeyEvent*>(event));
      if (code != 0 && control_.FilterKey(code) == 0) return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  static int KeyCode(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return Control::kEnterKey;
    const QString text = event.text();
    return text.size() == 1 && text[0].unicode() < 0x80 ? text[0].unicode() : 0;
  }

  Control& control_;
};

}  // namespace

void BindKeyPress(QWidget* widget, Control& control) { widget->installEventFilter(new KeyFilter(widget, control)); }

void BindButton(QPushButton* widget, Button& button) {
  widget->setObjectName(ToQt(button.Name()));
  auto refresh = [widget, &button] {
    widget->setText(ToQt(button.Caption()));
    ShowCommonState(widget, button);
  };
  refresh();
  button.SetViewObserver(refresh);
  QObject::connect(widget, &QPushButton::clicked, widget, [&button] { button.Click(); });
}

void BindMenuAction(QAction* action, MenuItem& item) {
  action->setObjectName(ToQt(item.Name()));
  auto refresh = [action, &item] {
    action->setText(ToQt(item.Caption()));
    action->setEnabled(item.Enabled());
    action->setVisible(item.Visible());
  };
  refresh();
  item.SetViewObserver(refresh);
  QObject::connect(action, &QAction::triggered, action, [&item] { item.Click(); });
}

void BindChoice(QComboBox* widget, Choice& list) {
  widget->setObjectName(ToQt(list.Name()));
  auto refresh = [widget, &list] {
    const QSignalBlocker blocker(widget);
    QStringList items;
    for (const auto& item : list.Items()) items << ToQt(item);
    QStringList shown;
    for (int i = 0; i < widget->count(); ++i) shown << widget->itemText(i);
    if (shown != items) {
      widget->clear();
      widget->addItems(items);
    }
    widget->setCurrentIndex(list.Index());
    ShowCommonState(widget, list);
  };
  refresh();
  list.SetViewObserver(refresh);
  QObject::connect(widget, &QComboBox::activated, widget, [&list](int index) { list.Select(index); });
}

void BindLabel(QLabel* widget, Label& label) {
  widget->setObjectName(ToQt(label.Name()));
  // A label may show in several places (one unit after several lists), so
  // each widget listens on its own and stops once it is gone.
  auto refresh = [widget = QPointer<QLabel>(widget), &label] {
    if (!widget) return;
    widget->setText(ToQt(label.Caption()));
    ShowCommonState(widget, label);
  };
  refresh();
  label.AddViewObserver(refresh);
}

void BindFrame(QGroupBox* widget, Frame& frame) {
  widget->setObjectName(ToQt(frame.Name()));
  auto refresh = [widget, &frame] {
    widget->setTitle(ToQt(frame.Caption()));
    ShowCommonState(widget, frame);
  };
  refresh();
  frame.SetViewObserver(refresh);
}

void BindContainer(QWidget* widget, Control& control) {
  widget->setObjectName(ToQt(control.Name()));
  auto refresh = [widget, &control] { ShowCommonState(widget, control); };
  refresh();
  control.SetViewObserver(refresh);
}

void BindTextField(QLineEdit* widget, TextField& field) {
  widget->setObjectName(ToQt(field.Name()));
  if (field.MaxLength() > 0) widget->setMaxLength(field.MaxLength());
  const QPalette defaultPalette = widget->palette();
  auto refresh = [widget, &field, defaultPalette] {
    const QString text = ToQt(field.Text());
    if (widget->text() != text) {
      const QSignalBlocker blocker(widget);
      widget->setText(text);
    }
    QPalette palette = defaultPalette;
    if (const auto rgb = field.BackColor()) palette.setColor(QPalette::Base, QColor::fromRgb(static_cast<QRgb>(*rgb)));
    widget->setPalette(palette);
    ShowCommonState(widget, field);
  };
  refresh();
  field.SetViewObserver(refresh);
  QObject::connect(widget, &QLineEdit::textEdited, widget, [widget, &field](const QString& text) {
    field.Type(text.toStdString());
    // The model may refuse characters; show what it kept.
    const QString kept = QString::fromStdString(field.Text());
    if (kept != widget->text()) widget->setText(kept);
  });
  widget->installEventFilter(new ClickFilter(widget, field));
  widget->installEventFilter(new KeyFilter(widget, field));
}

void BindTextEdit(QPlainTextEdit* widget, TextField& field) {
  widget->setObjectName(ToQt(field.Name()));
  auto refresh = [widget, &field] {
    const QString text = ToQt(field.Text());
    if (widget->toPlainText() != text) {
      const QSignalBlocker blocker(widget);
      widget->setPlainText(text);
    }
    ShowCommonState(widget, field);
  };
  refresh();
  field.SetViewObserver(refresh);
  QObject::connect(widget, &QPlainTextEdit::textChanged, widget, [widget, &field] {
    field.Type(widget->toPlainText().toStdString());
    const QString kept = QString::fromStdString(field.Text());
    if (kept != widget->toPlainText()) {
      const QSignalBlocker blocker(widget);
      widget->setPlainText(kept);
    }
  });
  widget->installEventFilter(new KeyFilter(widget, field));
}

void BindProgress(QProgressBar* widget, ProgressBar& bar) {
  widget->setObjectName(ToQt(bar.Name()));
  widget->setRange(0, 100);
  auto refresh = [widget, &bar] {
    widget->setValue(bar.Value());
    ShowCommonState(widget, bar);
  };
  refresh();
  bar.SetViewObserver(refresh);
}

}  // namespace k9r
