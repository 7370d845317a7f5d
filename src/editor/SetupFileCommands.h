#pragma once

#include <filesystem>

namespace k9r {

class MainWindow;

// The Save and Load commands: a setup as a main file (*.K9S) with its three
// companions. Both ask for the main file, then work as the two below.
void save_files(MainWindow& window);
void OPEN_OLD_SETUP(MainWindow& window);

// The same without the file dialog (scripts and the command line); every
// message is shown as in the window. True when the files were written or
// loaded whole.
bool SaveSetupFiles(MainWindow& window, const std::filesystem::path& mainFile);
// Writes the four files without a word to the user: false when any of them
// could not be written.
bool WriteSetupFiles(MainWindow& window, const std::filesystem::path& mainFile);
bool LoadSetupFiles(MainWindow& window, const std::filesystem::path& mainFile);

// Registers Save and Load as the window's commands.
void InstallSetupFileCommands(MainWindow& window);

}  // namespace k9r
