#pragma once
// The class library's graphics: colours, fonts, pens, brushes, canvases, pictures and
// their registry, image lists and cursors.
#include "classlib/graphics/Bitmap.h"
#include "classlib/graphics/Canvas.h"
#include "classlib/graphics/Colors.h"
#include "classlib/graphics/Cursors.h"
#include "classlib/graphics/Graphic.h"
#include "classlib/graphics/GraphicsObjects.h"
#include "classlib/graphics/Icon.h"
#include "classlib/graphics/ImageList.h"
#include "classlib/graphics/JPEGImage.h"
#include "classlib/graphics/Metafile.h"
#include "classlib/graphics/Types.h"

// Registers the picture formats of the library (".bmp", ".ico", ".jpg", ".jpeg", ".emf",
// ".wmf") and its clipboard formats (CF_BITMAP, CF_ENHMETAFILE) with TPicture. Start-up calls it once before pictures are loaded by file name; calling it
// again does nothing.
void InitializeGraphics();
