// The globe switch's cycle and the state rules around it.
#include "map/GlobeSwitch.h"

namespace orbivox {

GlobeSwitch::GlobeSwitch(QString programFolder, MapDisplay& display, Notifier& notifier)
    : programFolder_(programFolder),
      display_(display),
      notifier_(notifier),
      pictures_(std::move(programFolder)) {}

void GlobeSwitch::Start() {
    state_.has3D2[0] = pictures_.Has3D2(MapSet::Political);
    state_.has3D2[1] = pictures_.Has3D2(MapSet::Physical);
}

void GlobeSwitch::Cycle() {
    if (!available()) {
        return;
    }
    if (display_.readoutOn()) {
        display_.ClickMap();
    }
    state_.highest = display_.size() >= WindowSize::W3 && state_.Has3D2(display_.set())
                         ? GlobeMode::Globe2
                         : GlobeMode::Globe1;
    int next = static_cast<int>(state_.mode) + 1;
    if (next > static_cast<int>(state_.highest)) {
        next = 0;
    }
    switch (static_cast<GlobeMode>(next)) {
        case GlobeMode::Globe1:
            rememberedZoom_ = display_.zoom();
            display_.ShowZoom(Zoom::Z1);
            EnterGlobe(display_.frame(), state_, GlobeMode::Globe1);
            break;
        case GlobeMode::Globe2:
            EnterGlobe(display_.frame(), state_, GlobeMode::Globe2);
            break;
        case GlobeMode::Flat:
            state_.mode = GlobeMode::Flat;
            display_.ShowZoom(rememberedZoom_);
            break;
    }
}

void GlobeSwitch::SizeChanged() {
    if (!state_.shown()) {
        return;
    }
    state_.mode = GlobeMode::Flat;
    if (rememberedZoom_ != display_.zoom()) {
        display_.ShowZoom(rememberedZoom_);
    }
}

void GlobeSwitch::MapSetChanged() {
    if (!state_.shown()) {
        return;
    }
    GlobeMode mode = state_.mode;
    if (mode == GlobeMode::Globe2 && !state_.Has3D2(display_.set())) {
        mode = GlobeMode::Globe1;
    }
    EnterGlobe(display_.frame(), state_, mode);
}

GlobePoint GlobeSwitch::Render(const MapScene& scene, CentringMode mode, bool preview) {
    MapFrame& frame = display_.frame();
    const QString error = SelectGlobePictures(frame, state_, pictures_, programFolder_,
                                              GlobeCentreFor(frame, scene, mode, preview));
    if (!error.isEmpty()) {
        notifier_.Error(error);
    }
    return RenderGlobeFrame(frame, state_, scene);
}

QString GlobeSwitch::caption() const {
    return state_.shown() ? QString::fromLatin1(LayoutOf(state_.mode).caption)
                          : QStringLiteral("2D");
}

}  // namespace orbivox
