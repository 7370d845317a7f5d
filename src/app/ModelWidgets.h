#pragma once

#include <QComboBox>
#include <QGridLayout>
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

// Text of the layout itself, bound to nothing: names that no language line
// gives (column headings, the SPEC-FUNC tab's key names).
QLabel* LayoutText(const QString& text);

// A row of small widgets without margins.
QHBoxLayout* TightRow(QWidget* owner);

// One whole-unit setting in row `row` of a group's grid: the label that
// names its list in column 0; the list, with its unit after a time list, in
// column 1. When the list sits in a frame of its own (shown only in some
// states), that frame holds it and the label comes and goes with it.
// Returns the list's row, for what belongs beside the list.
QHBoxLayout* AddSettingRow(QGridLayout* grid, int row, MainWindow& model, std::string_view list,
                           std::string_view frame = {});
// The same for a setting that no label of the window names.
QHBoxLayout* AddNamedSettingRow(QGridLayout* grid, int row, const QString& name, MainWindow& model,
                                std::string_view list, std::string_view frame = {});

// A widget that appears and disappears with another one (a row label with
// the list it names).
void FollowVisibility(QWidget* follower, QWidget* leader);

}  // namespace k9r
