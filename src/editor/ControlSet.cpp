#include "editor/ControlSet.h"

#include <stdexcept>

namespace k9r {

std::string Indexed(std::string_view arrayName, int index) {
  return std::string(arrayName) + "(" + std::to_string(index) + ")";
}

Control* ControlSet::Find(std::string_view name) const {
  const auto found = byName_.find(name);
  return found == byName_.end() ? nullptr : found->second;
}

void ControlSet::Register(std::unique_ptr<Control> control) {
  const auto [_, inserted] = byName_.emplace(control->Name(), control.get());
  if (!inserted) throw std::logic_error("control " + control->Name() + " exists twice");
  controls_.push_back(std::move(control));
}

void ControlSet::ThrowMissing(std::string_view name) {
  throw std::logic_error("no control named " + std::string(name));
}

}  // namespace k9r
