#pragma once

namespace k9r {

class MainWindow;

// Start-up selects a default item in every editor list; the selection
// handlers write the default bytes, so the image is the sum of them.
// Lists that already show their default (a second start-up after a
// language choice) write nothing again.
void SelectPairDefaults(MainWindow& window);
void SelectSettingDefaults(MainWindow& window);
// Offers the mode buttons that the feature flags switch on.
void EnableFeatureModes(MainWindow& window);

}  // namespace k9r
