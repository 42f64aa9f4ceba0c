#include "logs/laps/Geodesy.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/TransverseMercator.hpp>
#include <GeographicLib/UTMUPS.hpp>

#include <cmath>

namespace ardix::laps {

namespace {
constexpr double kFalseEasting = 500000.0;
constexpr double kFalseNorthingSouth = 10000000.0;

// Plain 6-degree zone; also used where the standard rules would pick a polar (UPS) projection,
// because lap timing always works in a transverse Mercator plane.
int plainZone(double lon)
{
    int zone = int(std::floor((lon + 180.0) / 6.0)) + 1;
    return zone < 1 ? 1 : (zone > 60 ? 60 : zone);
}
} // namespace

double normalisedLongitude(double lon)
{
    return GeographicLib::Math::AngNormalize(lon);
}

UtmFrame UtmFrame::forPoint(double lat, double lon)
{
    UtmFrame frame;
    lon = normalisedLongitude(lon);
    int zone = GeographicLib::UTMUPS::UPS;
    if (std::isfinite(lat) && std::isfinite(lon) && std::fabs(lat) <= 90.0)
        zone = GeographicLib::UTMUPS::StandardZone(lat, lon);
    frame.zone = zone == GeographicLib::UTMUPS::UPS ? plainZone(std::isfinite(lon) ? lon : 0.0) : zone;
    frame.north = !(lat < 0);
    return frame;
}

UtmPoint UtmFrame::project(double lat, double lon) const
{
    const double centralMeridian = 6.0 * zone - 183.0;
    UtmPoint p;
    GeographicLib::TransverseMercator::UTM().Forward(centralMeridian, lat, normalisedLongitude(lon), p.x, p.y);
    p.x += kFalseEasting;
    if (!north)
        p.y += kFalseNorthingSouth;
    return p;
}

double geodesicDistance(double lat1, double lon1, double lat2, double lon2)
{
    if (lat1 == lat2 && lon1 == lon2)
        return 0.0;
    double s12 = 0.0;
    GeographicLib::Geodesic::WGS84().Inverse(lat1, lon1, lat2, lon2, s12);
    return s12;
}

namespace {
constexpr double kDeg = 3.14159265358979323846 / 180.0;
constexpr double kA = 6378137.0;
constexpr double kE2 = 0.006694379983166804;

GeoPoint prepared(double lat, double lon, double sinPhi, double cosPhi)
{
    GeoPoint p;
    p.lat = lat;
    p.lon = lon;
    p.phi = lat * kDeg;
    p.lambda = lon * kDeg;
    const double w2 = 1.0 - kE2 * sinPhi * sinPhi;
    const double inverseW = 1.0 / std::sqrt(w2);
    p.meridianRadius = kA * (1.0 - kE2) * inverseW * inverseW * inverseW;
    p.parallelRadius = kA * inverseW * cosPhi;
    return p;
}
} // namespace

GeoAnchor GeoAnchor::at(double lat)
{
    // Derivatives by central differences over 0.001 rad: the quadratic then matches the radii
    // to about 1e-11 of their size within the 0.002 rad the anchor serves.
    constexpr double kH = 1e-3;
    GeoAnchor a;
    a.phi = lat * kDeg;
    const GeoPoint below = GeoPoint::at((a.phi - kH) / kDeg, 0);
    const GeoPoint mid = GeoPoint::at(lat, 0);
    const GeoPoint above = GeoPoint::at((a.phi + kH) / kDeg, 0);
    const auto fit = [](double lo, double m, double hi, double *out) {
        out[0] = m;
        out[1] = (hi - lo) / (2 * kH);
        out[2] = (hi - 2 * m + lo) / (2 * kH * kH);
    };
    fit(below.meridianRadius, mid.meridianRadius, above.meridianRadius, a.meridian);
    fit(below.parallelRadius, mid.parallelRadius, above.parallelRadius, a.parallel);
    return a;
}

GeoPoint GeoPoint::at(double lat, double lon)
{
    const double phi = lat * kDeg;
    return prepared(lat, lon, std::sin(phi), std::cos(phi));
}

GeoPoint GeoPoint::at(double lat, double lon, const GeoAnchor &near)
{
    const double d = lat * kDeg - near.phi;
    if (!(std::fabs(d) < 0.002))
        return at(lat, lon);
    GeoPoint p;
    p.lat = lat;
    p.lon = lon;
    p.phi = lat * kDeg;
    p.lambda = lon * kDeg;
    p.meridianRadius = near.meridian[0] + d * (near.meridian[1] + d * near.meridian[2]);
    p.parallelRadius = near.parallel[0] + d * (near.parallel[1] + d * near.parallel[2]);
    return p;
}

double longGeodesicDistance(const GeoPoint &p, const GeoPoint &q)
{
    return geodesicDistance(p.lat, p.lon, q.lat, q.lon);
}

} // namespace ardix::laps
