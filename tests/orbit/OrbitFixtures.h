#pragma once
// Element lines shared by the orbit tests: the two test sets of Spacetrack
// Report No. 3 (epochs in 1980), and a way to change single columns.

#include <string>
#include <vector>

namespace orbit {

inline const std::string kNearLine1 =
    "1 88888U          80275.98708465  .00073094  13844-3  66816-4 0    87";
inline const std::string kNearLine2 =
    "2 88888  72.8435 115.9689 0086731  52.6988 110.5714 16.05824518  1058";
inline const std::string kDeepLine1 =
    "1 11801U          80230.29629788  .01431103  00000-0  14311-1      13";
inline const std::string kDeepLine2 =
    "2 11801  46.7916 230.4354 7318036  47.4722  10.4117  2.28537848    13";

// `line` with columns first.. (1-based) replaced by `text`.
inline std::string WithColumns(std::string line, int first, const std::string& text) {
    line.replace(static_cast<size_t>(first - 1), text.size(), text);
    return line;
}

inline std::vector<std::string> ThreeLineSet(const std::string& title, const std::string& l1,
                                             const std::string& l2) {
    return {title, l1, l2};
}

inline void Append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// One verbose set with the deep-space test elements.
inline std::vector<std::string> VerboseSet(const std::string& nameLine) {
    return {nameLine,
            "Catalog number: 11801",
            "Epoch time:      80230.29629788",
            "Element set:     13",
            "Inclination:       46.7916 deg",
            "RA of node:       230.4354 deg",
            "Eccentricity:     0.7318036",
            "Arg of perigee:    47.4722 deg",
            "Mean anomaly:      10.4117 deg",
            "Mean motion:    2.28537848 rev/day",
            "Decay rate:     1.431103e-02 rev/day^2",
            "Epoch rev:              13",
            "Checksum:              300"};
}

}  // namespace orbit
