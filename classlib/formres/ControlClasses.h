#pragma once

// Registers the streamed classes for form resources: controls, windowed controls,
// forms, buttons, timers, menus, actions and the standard controls and dialogs, with
// their properties and events (the graphics classes included). Start-up calls it before the first form is read
// (again is harmless).
void InitializeControlClasses();

class TIdentTable;
// The names of TAlign, for classes that register Align again with a default of their own.
const TIdentTable& AlignIdents();
// The names of TAlignment, for every class with an Alignment property.
const TIdentTable& AlignmentIdents();
// The names of TScrollBarKind, for the controls that draw their own scroll bars.
const TIdentTable& ScrollBarKindIdents();
