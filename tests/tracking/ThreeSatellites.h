#pragma once
// A tracking engine on real elements: the ISS (working), SO-50 and the geostationary
// ES'HAIL 2, seen from London at 2026-08-22 00:00 UTC.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tracking/TrackingEngine.h"

namespace orbivox {

class ThreeSatellites : public ::testing::Test {
protected:
    void SetUp() override {
        const double jd = orbit::JulianDateFromCivil(orbit::CivilTime{2026, 8, 22, 0, 0, 0, 0});
        clock_.Set(jd - orbit::kDisplayTimeToJulianDate, jd - orbit::kDisplayTimeToJulianDate);
        engine_ = std::make_unique<TrackingEngine>(clock_, 2026);
        engine_->Orbit().ReadElementFile(ORBIVOX_TEST_DATA "/elements-2026.txt");
        orbit::ObserverSite site;
        site.latitude = 51.5;
        site.longitude = -0.1;
        site.utcOffset = "0";
        engine_->SetSite(site, orbit::ZoneMode::Utc);
        iss_ = FindSet("ISS (ZARYA)");
        so50_ = FindSet("SAUDISAT 1C (SO-50)");
        eshail_ = FindSet("ES'HAIL 2");
        ASSERT_TRUE(iss_ && so50_ && eshail_);
        engine_->SetSelection({iss_, so50_, eshail_}, 0);
    }

    int FindSet(const std::string& name) {
        for (int i = 1; i <= engine_->Orbit().Sets().Count(); ++i) {
            if (engine_->Orbit().Sets()[i].name == name) {
                return i;
            }
        }
        return 0;
    }

    orbit::FixedClock clock_;
    std::unique_ptr<TrackingEngine> engine_;
    int iss_ = 0, so50_ = 0, eshail_ = 0;
};

}  // namespace orbivox
