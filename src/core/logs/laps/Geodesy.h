#pragma once

// Geodesy for the lap engine: UTM projection (WGS 84, standard zone exceptions) and geodesic
// distance. Both go through GeographicLib: its inverse geodesic converges for every pair of
// points, where the classic iteration gives up (and used to report 0 m) for nearly antipodal ones.

#include <cmath>

namespace ardix::laps {

struct UtmPoint
{
    double x = 0; // easting, metres
    double y = 0; // northing, metres
};

// The zone and hemisphere every point of one circuit is projected in. Taking them from the start
// point keeps the line and the car in one plane even when a circuit touches a zone boundary.
struct UtmFrame
{
    int zone = 31;
    bool north = true;

    static UtmFrame forPoint(double lat, double lon);
    UtmPoint project(double lat, double lon) const;
};

// Longitude into -180..180.
double normalisedLongitude(double lon);

// Geodesic distance on WGS 84 in metres; 0 for coincident points, NaN when an input is NaN.
double geodesicDistance(double lat1, double lon1, double lat2, double lon2);

// A position prepared for many short distances: the engine measures every GPS step and searches
// the best-lap trace, always between points a few metres apart. Within 0.01 degree the
// mid-latitude ellipsoidal plane agrees with the geodesic to a few micrometres; farther apart
// the geodesic is solved in full.
struct GeoPoint;

// The radii of one latitude and their first two derivatives: points near it are prepared with a
// few multiplications instead of sin, cos, sqrt and a division.
struct GeoAnchor
{
    double phi = 0;
    double meridian[3] = {0, 0, 0}; // M, M', M''/2 at phi
    double parallel[3] = {0, 0, 0}; // N cos, (N cos)', (N cos)''/2 at phi
    static GeoAnchor at(double lat);
};

struct GeoPoint
{
    double lat = 0, lon = 0;        // degrees
    double phi = 0, lambda = 0;     // radians
    double meridianRadius = 0;      // M(phi)
    double parallelRadius = 0;      // N(phi) cos(phi)

    static GeoPoint at(double lat, double lon);
    static GeoPoint at(double lat, double lon, const GeoAnchor &near);
};

double longGeodesicDistance(const GeoPoint &p, const GeoPoint &q);

// The square of the distance: the nearest-point searches compare these and take one root.
inline double geodesicDistanceSquared(const GeoPoint &p, const GeoPoint &q)
{
    constexpr double kShortRange = 0.01; // degrees
    if (!(q.lat - p.lat <= kShortRange && p.lat - q.lat <= kShortRange && q.lon - p.lon <= kShortRange
          && p.lon - q.lon <= kShortRange)) {
        const double d = longGeodesicDistance(p, q);
        return d * d;
    }
    const double dy = (p.meridianRadius + q.meridianRadius) * 0.5 * (q.phi - p.phi);
    const double dx = (p.parallelRadius + q.parallelRadius) * 0.5 * (q.lambda - p.lambda);
    return dx * dx + dy * dy;
}

inline double geodesicDistance(const GeoPoint &p, const GeoPoint &q)
{
    return std::sqrt(geodesicDistanceSquared(p, q));
}

} // namespace ardix::laps
