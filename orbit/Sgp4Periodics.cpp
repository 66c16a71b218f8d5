// Long- and short-period terms and orientation shared by SGP4 and SDP4.
#include <cmath>

#include "orbit/Models.h"
#include "orbit/OrbitConstants.h"

namespace orbit::models {

ModelOutput Sgp4Periodics(const Sgp4TailInput& in) {
    ModelOutput out;
    const double a = in.a, e = in.e;
    if (!(e < 1.0) || !(e > -0.001)) {
        out.failure = PropagationFailure::EccentricityOutOfRange;
        return out;
    }
    // Drag has shrunk the orbit to nothing. A small orbit is otherwise judged by where the
    // position falls, below.
    if (!(a > 0.0)) {
        out.failure = PropagationFailure::Decayed;
        return out;
    }
    const double beta = std::sqrt(1.0 - e * e);
    const double xn = kXke / Power(a, 1.5);

    // Long-period periodics.
    const double axn = e * std::cos(in.omega);
    double temp = 1.0 / (a * beta * beta);
    const double xll = temp * in.xlcof * axn;
    const double aynl = temp * in.aycof;
    const double xlt = in.xl + xll;
    const double ayn = e * std::sin(in.omega) + aynl;

    // Kepler's equation in the equinoctial form.
    const double capu = ReduceAngle(xlt - in.xnode);
    double temp2 = capu;
    double sinepw = 0, cosepw = 0, temp3 = 0, temp4 = 0, temp5 = 0, temp6 = 0;
    for (int i = 0; i < kKeplerIterations; ++i) {
        sinepw = std::sin(temp2);
        cosepw = std::cos(temp2);
        temp3 = axn * sinepw;
        temp4 = ayn * cosepw;
        temp5 = axn * cosepw;
        temp6 = ayn * sinepw;
        const double epw = (capu - temp4 + temp3 - temp2) / (1.0 - temp5 - temp6) + temp2;
        if (std::fabs(epw - temp2) <= kE6a)
            break;
        temp2 = epw;
    }

    // Short-period preliminary quantities.
    const double ecose = temp5 + temp6;
    const double esine = temp3 - temp4;
    const double elsq = axn * axn + ayn * ayn;
    temp = 1.0 - elsq;
    const double pl = a * temp;
    if (!(pl > 0.0)) {
        out.failure = PropagationFailure::EccentricityOutOfRange;
        return out;
    }
    const double r = a * (1.0 - ecose);
    double temp1 = 1.0 / r;
    const double rdot = kXke * std::sqrt(a) * esine * temp1;
    const double rfdot = kXke * std::sqrt(pl) * temp1;
    temp2 = a * temp1;
    const double betal = std::sqrt(temp);
    temp3 = 1.0 / (1.0 + betal);
    const double cosu = temp2 * (cosepw - axn + ayn * esine * temp3);
    const double sinu = temp2 * (sinepw - ayn - axn * esine * temp3);
    const double u = FullCircleArcTan(sinu, cosu);
    const double sin2u = 2.0 * sinu * cosu;
    const double cos2u = 2.0 * cosu * cosu - 1.0;
    temp = 1.0 / pl;
    temp1 = kCk2 * temp;
    temp2 = temp1 * temp;

    // Short-period periodics.
    const double rk = r * (1.0 - 1.5 * temp2 * betal * in.x3thm1) + 0.5 * temp1 * in.x1mth2 * cos2u;
    const double uk = u - 0.25 * temp2 * in.x7thm1 * sin2u;
    const double xnodek = in.xnode + 1.5 * temp2 * in.cosio * sin2u;
    const double xinck = in.xinc + 1.5 * temp2 * in.cosio * in.sinio * cos2u;
    const double rdotk = rdot - xn * temp1 * in.x1mth2 * sin2u;
    const double rfdotk = rfdot + xn * temp1 * (in.x1mth2 * cos2u + 1.5 * in.x3thm1);

    // Orientation vectors.
    const double sinuk = std::sin(uk), cosuk = std::cos(uk);
    const double sinik = std::sin(xinck), cosik = std::cos(xinck);
    const double sinnok = std::sin(xnodek), cosnok = std::cos(xnodek);
    const double xmx = -sinnok * cosik;
    const double xmy = cosnok * cosik;
    const Vector3 uv{xmx * sinuk + cosnok * cosuk, xmy * sinuk + sinnok * cosuk, sinik * sinuk};
    const Vector3 vv{xmx * cosuk - cosnok * sinuk, xmy * cosuk - sinnok * sinuk, sinik * cosuk};
    for (int i = 0; i < 3; ++i) {
        out.position[i] = rk * uv[i];
        out.velocity[i] = rdotk * uv[i] + rfdotk * vv[i];
    }
    if (rk < 1.0)
        out.failure = PropagationFailure::Decayed;
    return out;
}

}  // namespace orbit::models
