#pragma once

// The program's run: brings the libraries up in layer order, starts the application
// (environment, cover, resource holder, skins, profiles, main window), serves messages
// until the main window closes and shuts everything down again. Answers the process exit
// code: 0 after a normal run, -1 when the environment file cannot be loaded, 1 when an
// exception ended start-up or the run (it has been shown then).
int RunConverter();

// The start-up texts of the cover, in the order shown.
constexpr const char* kLoadingMainSkinText = "Loading Main UI resources...";
constexpr const char* kLoadingFormSkinText = "Loading Other UI resources...";
constexpr const char* kLoadingProfilesText = "Loading Profiles...";
constexpr const char* kStartingText = "Starting...";

// Registers the form classes of the converter's windows for their form resources
// (after the libraries' classes).
void RegisterConverterForms();
