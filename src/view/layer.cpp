#include "view/layer.h"

namespace minamori {

ViewLayer::ViewLayer(Services services, GamePaths paths, uint64_t seed)
    : AudioLayer(services, std::move(paths), seed),
      text(services.fonts ? *services.fonts : boxFonts_) {}

}  // namespace minamori
