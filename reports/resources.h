#pragma once

namespace vb
{
// Registers the compiled-in resources (sketches, logo, information pages) and the font
// substitutes the layouts rely on. The resource file lives in a static library, so it
// must be pulled in explicitly; call once before use.
void initResources();
} // namespace vb
