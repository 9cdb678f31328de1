#pragma once
// Registers the skinned control classes and their published properties for form
// resources. Start-up calls it once, after InitializeSkinData(); a second call does nothing.
void InitializeSkinControls();

// The registrations it runs, one per area of skin/controls/.
void RegisterSkinControlBases();
void RegisterSkinMenuClasses();
void RegisterSkinLabels();
void RegisterSkinRanges();
void RegisterSkinButtons();
void RegisterSkinChecks();
void RegisterSkinHintsAndImagesMenus();
void RegisterSkinViews();
void RegisterSkinSpeedButtons();
void RegisterSkinNotebooks();
void RegisterSkinSplitters();
void RegisterSkinScrollPanels();
void RegisterSkinEdits();
void RegisterSkinExPanels();
void RegisterSkinMenuButtons();
void RegisterSkinToolBars();

class TIdentTable;
// The names of TspButtonLayout in form resources.
const TIdentTable& ButtonLayoutIdents();
