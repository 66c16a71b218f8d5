// Choosing the working satellite by priority.
#include "tracking/AutoChange.h"

#include "orbit/PassPrediction.h"

namespace orbivox {

void ConnectAutomaticChange(TrackingEngine& engine, std::vector<orbit::PriorityEntry> entries,
                            std::function<void()> changed) {
    engine.Hooks().automaticChange = [&engine, entries = std::move(entries),
                                      changed = std::move(changed)] {
        std::vector<std::string> names;
        for (int i : engine.Selected()) {
            names.push_back(engine.Orbit().Sets()[i].name);
        }
        const std::vector<int> priority = orbit::BuildPriorityList(entries, names);
        if (priority.empty()) {
            return;
        }
        // Each satellite's elevation at this tick's instant; one that cannot be propagated
        // counts as far below.
        std::vector<orbit::PriorityCandidate> candidates;
        const orbit::StationView& view = engine.View();
        for (int k = 0; k < engine.SelectedCount(); ++k) {
            const orbit::Observation seen =
                orbit::ObserveSet(engine.Orbit(), engine.Selected()[static_cast<size_t>(k)],
                                  view.Site(), view.Time().computationInstant);
            orbit::PriorityCandidate c;
            c.elevation = seen.state.ok ? seen.look.elevation : -90.0;
            c.aosRounded = view.Pass(k).aosRounded;
            candidates.push_back(c);
        }
        const std::optional<int> next =
            orbit::SelectByPriority(priority, candidates, engine.WorkingSlot(),
                                    engine.Switches().minElevation, view.Time().dayNumber);
        if (next && *next != engine.WorkingSlot()) {
            engine.ApplyWorkingChange(*next);
            if (changed) {
                changed();
            }
        }
    };
}

}  // namespace orbivox
