#pragma once

// Registers the common controls for form resources (InitializeControlClasses runs it).
void RegisterComControlClasses();
