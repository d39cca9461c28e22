// The glyph images of the program's fonts, made by tools/bake_glyphs.

#include "toolkit/glyph_text.h"

namespace tk {

#include "toolkit/glyph_faces.inc"

}  // namespace tk
