#include "core/layer.h"

#include "core/file_io.h"

namespace minamori {

CoreLayer::CoreLayer(Services services, GamePaths paths, uint64_t seed)
    : rng(seed), paths_(std::move(paths)) {
    useServices(services);
}

void CoreLayer::useServices(Services services) {
    services_ = services;
    if (!services_.audio) services_.audio = &recorder_;
    if (!services_.dialogs) services_.dialogs = &recorder_;
    if (!services_.window) services_.window = &recorder_;
}

std::filesystem::path CoreLayer::loadPath() const {
    if (paths_.earlierSave.empty() || somethingAt(paths_.saveFile)) return paths_.saveFile;
    return paths_.earlierSave;
}

}  // namespace minamori
