#include "SpaceObject.h"

#include "assets/Ms3dModel.h"
#include "platform/ErrorReport.h"

#include <cstdio>
#include <map>

std::shared_ptr<Model> SpaceObject::loadModel(const std::string& file, const char* boxText, const char* consoleText) {
    // Twenty-six rocks of three shapes: each file was once read and its
    // textures uploaded for every rock.
    static std::map<std::string, std::weak_ptr<Model>> loaded;
    if (std::shared_ptr<Model> shared = loaded[file].lock()) return shared;
    auto model = std::make_shared<Ms3dModel>();
    if (!model->load(file)) {
        // Not kept: every object that needs the file says so, as it always did.
        reportError(boxText);
        std::fputs(consoleText, stdout);
        std::fflush(stdout);
        return model;
    }
    loaded[file] = model;
    return model;
}
