#pragma once

// Registers the class library's streamed classes (components, fonts, pictures, image
// lists) for form resources. Start-up calls it before the first form is read (again is harmless).
void InitializeFormClasses();
