#include "app/session_atlas.hpp"

#include "base/program_folder.hpp"

namespace solvaris {

const Atlas* SessionAtlas(Session& session, Problem& problem) {
    if (!session.atlas) {
        auto atlas = std::make_shared<Atlas>();
        problem = LoadAtlas(AtlasFile(ShippedDataFolder()), *atlas);
        if (!problem.empty()) {
            return nullptr;
        }
        session.atlas = std::move(atlas);
    }
    return session.atlas.get();
}

}  // namespace solvaris
