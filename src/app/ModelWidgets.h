#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QString>
#include <string_view>

namespace k9r {

class MainWindow;

// Widgets made for one named control of the window model and bound to it,
// for the tab layouts.
// A list of the given width, or as wide as its longest item.
inline constexpr int kFitItems = 0;
QComboBox* ListWidget(MainWindow& model, std::string_view name, int width = kFitItems);
// A list that only shows what other controls set (a pair's mode and key
// functions follow the mode preset): it looks like a list but takes no input.
QComboBox* DisplayListWidget(MainWindow& model, std::string_view name, int width);
QLabel* LabelWidget(MainWindow& model, std::string_view name);
QGroupBox* GroupWidget(MainWindow& model, std::string_view name);
// A frame without a caption: the model shows and hides what it holds.
QWidget* ContainerWidget(MainWindow& model, std::string_view name);

// Text of the layout itself, bound to nothing.
QLabel* LayoutText(const QString& text);
QLabel* SecondsUnit();

// A row of small widgets without margins.
QHBoxLayout* TightRow(QWidget* owner);
// One setting: its name and its list, with "sec" after time lists. When the
// list sits in a frame of its own (shown only in some states), the whole row
// is that frame.
QWidget* SettingRow(MainWindow& model, const QString& text, std::string_view list, std::string_view frame = {},
                    bool seconds = false);

// A widget that appears and disappears with another one (a row label with
// the list it names).
void FollowVisibility(QWidget* follower, QWidget* leader);

}  // namespace k9r
