#pragma once

#include <nlohmann/json.hpp>

#include "editor/MainWindow.h"
#include "editor/ScriptedUserInterface.h"

namespace k9r {

// The whole model as one JSON document: cells, controls, shared variables and
// the boxes shown so far. Scripts and tests read the program through it, so
// existing keys keep their meaning; new ones may be added.
nlohmann::ordered_json DumpModel(MainWindow& window, const std::vector<ScriptedUserInterface::Record>& messages);

nlohmann::ordered_json DumpControl(const Control& control);

}  // namespace k9r
