#pragma once

#include <string>
#include <string_view>

#include "editor/ControlSet.h"

namespace k9r {

// The text a control shows: a text box's text, a list's text, a label's or
// frame's caption; empty for a control the window does not have.
std::string ControlText(const ControlSet& controls, std::string_view name);
// Sets it the same way; a control the window does not have is passed over.
void SetControlText(ControlSet& controls, std::string_view name, std::string text);

}  // namespace k9r
