#ifndef UNITFONT_H
#define UNITFONT_H

// The application font: Arial Unicode MS at 20 px, from the unit's font
// folders. A PC lacks it and shows a substitute that is wider, so that a text
// which fits on the PC fits on the unit.
namespace UnitFont {
void install();
}

#endif
