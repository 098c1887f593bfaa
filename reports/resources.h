#pragma once

namespace vb {
// Registers the compiled-in resources (sketches, logo, information pages). The resource
// file lives in a static library, so it must be pulled in explicitly; call once before use.
void initResources();
} // namespace vb
