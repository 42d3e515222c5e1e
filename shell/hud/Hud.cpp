#include "Hud.h"

#include "shell/guides/EdgeArrow.h"
#include "shell/guides/GhostMark.h"
#include "shell/guides/FieldGuide.h"
#include "shell/guides/HitFlash.h"
#include "shell/guides/HitMarker.h"
#include "shell/guides/TargetBox.h"
#include "shell/hud/AimRing.h"
#include "shell/hud/Crosshair.h"
#include "shell/hud/Dials.h"
#include "shell/hud/HudLines.h"
#include "shell/hud/Radar.h"
#include "shell/hud/TurnMarker.h"

Hud::Hud() {
    auto radar = std::make_unique<Radar>();
    scope = radar.get();
    overlays.push_back(std::move(radar));
    overlays.push_back(std::make_unique<Dials>());
    overlays.push_back(std::make_unique<HudLines>());
    overlays.push_back(std::make_unique<TargetBox>());
    overlays.push_back(std::make_unique<GhostMark>());
    overlays.push_back(std::make_unique<EdgeArrow>());
    overlays.push_back(std::make_unique<FieldGuide>());
    overlays.push_back(std::make_unique<HitFlash>());
    overlays.push_back(std::make_unique<HitMarker>());
    overlays.push_back(std::make_unique<Crosshair>());
    overlays.push_back(std::make_unique<TurnMarker>());
    overlays.push_back(std::make_unique<AimRing>());
}

Hud::~Hud() = default;

void Hud::update(const HudFrame& frame) {
    for (const auto& overlay : overlays) overlay->update(frame);
}

void Hud::draw(const HudFrame& frame) {
    for (const auto& overlay : overlays) overlay->draw(frame);
}
