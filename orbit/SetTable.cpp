// Copying a stored set into the current set the models read.
#include "orbit/SetTable.h"

namespace orbit {

void SetTable::SelectCurrentSet(int index) {
    const ElementSet& s = (*this)[index];
    CurrentSet& c = current_;
    c.meanAnomaly = s.meanAnomaly;
    c.node = s.node;
    c.argumentOfPerigee = s.argumentOfPerigee;
    c.eccentricity = s.eccentricity;
    c.inclination = s.inclination;
    c.meanMotion = s.meanMotion;
    c.meanMotionRate = s.meanMotionRate;
    c.meanMotionSecondRate = s.meanMotionSecondRate;
    c.dragTerm = s.dragTerm;
    c.epoch = s.epoch;
    c.epochCentury = s.epochCentury;
    c.epochJulianDate = s.epochJulianDate;
    c.elementSetNumber = s.elementSetNumber;
    c.deepSpaceFlag = s.deepSpaceFlag;
    c.initialiseFlag = s.initialiseFlag;
    c.fault = s.fault;
    c.meanAnomalyDeg = s.meanAnomalyDeg;
    c.nodeDeg = s.nodeDeg;
    c.argumentOfPerigeeDeg = s.argumentOfPerigeeDeg;
    c.inclinationDeg = s.inclinationDeg;
    c.meanMotionRevPerDay = s.meanMotionRevPerDay;
    c.epochRevolution = s.epochRevolution;
    c.deepEpoch = s.deepEpoch;
    c.recovered = s.recovered;
}

}  // namespace orbit
