#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "editor/Controls.h"

namespace k9r {

// "UP_FUNC", 3 -> "UP_FUNC(3)": the name of an element of a control array.
std::string Indexed(std::string_view arrayName, int index);

// The controls of one window, in creation order, found by their names.
class ControlSet {
 public:
  // A main window holds some 1100 controls; room for them at once.
  ControlSet() {
    controls_.reserve(kExpectedControls);
    byName_.reserve(kExpectedControls);
  }

  template <class T, class... Args>
  T& Add(Args&&... args) {
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    T& added = *control;
    Register(std::move(control));
    return added;
  }

  Control* Find(std::string_view name) const;
  template <class T>
  T* FindAs(std::string_view name) const {
    return dynamic_cast<T*>(Find(name));
  }
  // For code that creates a control and knows it exists.
  template <class T>
  T& Get(std::string_view name) const {
    T* found = FindAs<T>(name);
    if (!found) ThrowMissing(name);
    return *found;
  }

  const std::vector<std::unique_ptr<Control>>& All() const { return controls_; }

 private:
  void Register(std::unique_ptr<Control> control);
  [[noreturn]] static void ThrowMissing(std::string_view name);

  // Looked up by string_view without building a string: the handlers find
  // their controls by name all the time.
  static constexpr std::size_t kExpectedControls = 2048;

  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
  };

  std::vector<std::unique_ptr<Control>> controls_;
  std::unordered_map<std::string, Control*, NameHash, std::equal_to<>> byName_;
};

}  // namespace k9r
