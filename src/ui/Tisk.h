#pragma once

#include <string>
#include <vector>

class QPaintDevice;

// Renders the protocol's text lines onto a paint device in a fixed-pitch font
// of 10 points: tab stops every 8 characters, a new page at each form feed and
// whenever a line would not fit the page. A printer or a PDF writer gets every
// page; any other device (an image) only the first.
struct VysledekTisku {
    bool Ok = false;
    int Stranek = 0;
};
VysledekTisku VykresliProtokol(QPaintDevice& zarizeni, const std::vector<std::string>& radky);
