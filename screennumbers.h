#ifndef SCREENNUMBERS_H
#define SCREENNUMBERS_H

// The numbers by which the screens name each other when they switch
// (gotoWidget, MainMenu::displayWidget), which the menu stack keeps and the
// settings file stores as the favourite. The values are fixed.
namespace Screen {

// The `widget` argument.
enum Widget : int {
    Back = -1,
    MainPage = 0,
    Levelmeasurement = 1,
    // 2, and every number not listed: the main page only, stack cleared.
    Pinpointing = 3,
    Management = 4,
    Systemsettings = 5,
    H2Sensor = 6,
    MeasManagement = 7,
    Pipelocating = 8,
    Longtermmeasurement = 9,
    GpsMonitor = 10,
    PressureSensor = 11,
    // Only through MainMenu::showWidget, as modal dialogs.
    TestMenu = 100,
    DebugMenu = 101,
};

// The `dir` argument: what happens to the menu stack.
enum Direction : int {
    StackUnchanged = -1,
    LevelEqual = 0,  // replaces the top (also every number not listed)
    LevelDown = 1,   // pushes
    LevelUp = 2,     // pops, and shows the screen below instead
};

// The `variant` argument of a measurement screen.
enum Variant : int {
    Live = 0,
    StoredView = 1,  // the measurement selected in the browser
};

// Favourite numbers: the settings value, and each measurement screen's in
// the main window's table of screens.
enum Favourite : int {
    FavouriteScreenshot = 0,
    FavouritePinpointing = 1,
    FavouriteLevelmeasurement = 2,
    FavouriteLongterm = 3,
    FavouriteH2Sensor = 4,
    FavouritePipelocating = 5,
    FavouriteCount,  // how many numbers the key can hold, from 0
};

// Every other stored number is none.
constexpr bool isFavourite(int number)
{
    return number >= FavouriteScreenshot && number < FavouriteCount;
}

}

#endif
