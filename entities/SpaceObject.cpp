#include "SpaceObject.h"

#include "assets/Ms3dModel.h"
#include "platform/ErrorReport.h"

#include <cstdio>

std::unique_ptr<Model> SpaceObject::loadModel(const std::string& file, const char* boxText, const char* consoleText) {
    auto loaded = std::make_unique<Ms3dModel>();
    if (!loaded->load(file)) {
        reportError(boxText);
        std::fputs(consoleText, stdout);
        std::fflush(stdout);
    }
    loaded->reloadTextures("");
    return loaded;
}
