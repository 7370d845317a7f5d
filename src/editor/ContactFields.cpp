#include "editor/ContactFields.h"

#include <iterator>
#include <string>

#include "editor/MainWindow.h"

namespace k9r {

namespace {

constexpr int kDecimalPointKey = '.';

}  // namespace

void BuildContactFields(MainWindow& window) {
  ControlSet& controls = window.Controls();
  controls.Add<Frame>(std::string(kDistributorFrame), "DISTRIBUTOR");
  controls.Add<Frame>(std::string(kUserFrame), "USER");
  for (auto spec = std::begin(kContactFields); spec != std::end(kContactFields); ++spec) {
    controls.Add<Label>(std::string(spec->label), std::string(spec->caption));
    TextField& field = controls.Add<TextField>(std::string(spec->name), spec->maxLength);
    field.SetMultiLine(spec->multiLine);
    if (!spec->enterMovesOn) continue;
    const std::string next(std::next(spec)->name);
    const bool pointMovesOn = spec->name == "DISTRIBUTOR_FRQ1";
    field.OnKeyPress([&window, next, pointMovesOn](int& key) {
      if (key == TextField::kEnterKey || (pointMovesOn && key == kDecimalPointKey)) {
        window.SetFocus(next);
        key = 0;
      }
    });
  }
}

}  // namespace k9r
