#pragma once

// Registers the windowing layer's streamed classes for form resources: controls,
// windowed controls, forms, buttons and timers, with their properties and events
// (the graphics classes included). Start-up calls it before the first form is read
// (again is harmless).
void InitializeControlClasses();
