#include "editor/ControlText.h"

namespace k9r {

std::string ControlText(const ControlSet& controls, std::string_view name) {
  const Control* control = controls.Find(name);
  if (!control) return {};
  if (const auto* field = dynamic_cast<const TextField*>(control)) return field->Text();
  if (const auto* list = dynamic_cast<const Choice*>(control)) return list->Text();
  return control->Caption();
}

void SetControlText(ControlSet& controls, std::string_view name, std::string text) {
  Control* control = controls.Find(name);
  if (!control) return;
  if (auto* field = dynamic_cast<TextField*>(control)) {
    field->SetText(std::move(text));
  } else if (auto* list = dynamic_cast<Choice*>(control)) {
    list->SetText(std::move(text));
  } else {
    control->SetCaption(std::move(text));
  }
}

}  // namespace k9r
