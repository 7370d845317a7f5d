#pragma once

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "editor/Controls.h"

// Thin two-way bindings between Qt widgets and the window model. The model
// holds every state; a widget only shows it and reports the user's actions.
// Each binding names the widget after its control, so tests can find it.
namespace k9r {

void BindButton(QPushButton* widget, Button& button);
void BindMenuAction(QAction* action, MenuItem& item);
void BindChoice(QComboBox* widget, Choice& list);
// Any number of widgets may show one label.
void BindLabel(QLabel* widget, Label& label);
void BindFrame(QGroupBox* widget, Frame& frame);
// A frame without a caption of its own (a plain container).
void BindContainer(QWidget* widget, Control& control);
void BindTextField(QLineEdit* widget, TextField& field);
// A text box of several lines.
void BindTextEdit(QPlainTextEdit* widget, TextField& field);
void BindProgress(QProgressBar* widget, ProgressBar& bar);
// Hands key presses to the control's key handling; a key it swallows (sets
// to 0) does not reach the widget. Enter arrives as 13.
void BindKeyPress(QWidget* widget, Control& control);

}  // namespace k9r
