#pragma once

#include <functional>

class CVersion;

namespace fw {
class CDatabase;
}

// The open and close functions of the four reference databases, as the
// application of either program calls them at start-up and exit. The program uses the
// libraries' own functions; tests put others in their place to see the order
// of the calls and what a failing database does to the start-up.
struct CDatabaseFunctions {
    // Breaker database: the program's version record and the record to fill.
    std::function<fw::CDatabase*(CVersion* expected, CVersion* reading)> openBreaker;
    // Curve database: the program's version record.
    std::function<fw::CDatabase*(CVersion* expected)> openCurve;
    std::function<fw::CDatabase*()> openList;
    std::function<fw::CDatabase*()> openEquipment;
    // Each close function accepts null.
    std::function<void(fw::CDatabase*)> closeBreaker;
    std::function<void(fw::CDatabase*)> closeCurve;
    std::function<void(fw::CDatabase*)> closeEquipment;
    std::function<void(fw::CDatabase*)> closeList;

    // The functions of the breaker, equipment and list data libraries.
    static CDatabaseFunctions Libraries();
};
