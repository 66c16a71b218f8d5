#pragma once
// What the world map draws on a refresh tick, taken from the tracking engine: the working
// satellite's sub-point and arrow, the sun, the other satellites with their labels and the
// ground track. Drawing is the map's (map/MapRenderer.h); this only computes positions,
// borrowing the instant and the current set and putting them back.
#include <QList>
#include <vector>

#include "catalogue/GroupFiles.h"
#include "map/MapRenderer.h"
#include "map/MapSet.h"
#include "map/WindowSizes.h"
#include "tracking/StartValues.h"
#include "tracking/TrackingEngine.h"

namespace orbivox {

enum class GroundTrackMode { Off, Temporary, Continuous };  // "G-", "Gt", "G+"

// The main window's switches that only the map reads. The window size, the sun line and the
// label times are the tracking engine's switches, shared with the list.
struct MapSwitches {
    CentringMode centring = CentringMode::Observer;
    bool arrows = true;
    bool multiple = true;
    GroundTrackMode groundTrack = GroundTrackMode::Continuous;
};

// The two centring flags of SatStart.SQF: "+","+" observer, "+","-" Greenwich or the second
// observer, "-" first: the satellite.
CentringMode CentringFromFlags(QChar first, QChar second);
MapSwitches MapSwitchesFromStart(const StartValues& values);
// The size, zoom and map set a start begins with (a size without zoom starts at Z1).
MapViewSwitches MapViewFromStart(const StartValues& values);

// For each selected slot, whether the group file marks it for the map: members matched
// by name, as the selection was made.
std::vector<bool> OnMapBySlot(const QList<GroupMember>& members,
                              const std::vector<std::string>& selectedNames);

// The scene of a refresh frame after a tick. `onMap` per slot (empty: every slot). The
// engine's switches give the window size, the sun line and the label times.
MapScene ComposeMapScene(TrackingEngine& engine, const MapSwitches& switches,
                         const std::vector<bool>& onMap = {});

}  // namespace orbivox
