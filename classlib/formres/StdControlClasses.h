#pragma once

// Registers the standard controls, menus, actions and dialogs for form resources
// (InitializeControlClasses runs it).
void RegisterStdControlClasses();
