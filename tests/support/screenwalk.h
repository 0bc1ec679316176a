#ifndef SCREENWALK_H
#define SCREENWALK_H

#include <QString>
#include <QVector>
#include <functional>

class MainMenu;
class QWidget;
class TestUnit;

// Opens every screen of a started unit and every dialog they open, one at a
// time, and hands each on with every page of its stacked widgets shown in
// turn. Names: the screen or dialog, then "/<stack><page>" for a page or
// "/<state>" for a state the walk brings it into (the pairing dialog's
// phases, the pressure screen's extreme readings, the GPS monitor with a fix
// and switched off, the edit page with the longest name and its delete
// question).
namespace ScreenWalk {
struct Screen {
    const char* name;
    int number;
};
// Every screen of the main window, the main page first.
const QVector<Screen>& screens();
// The longest name the store keeps, typed without a blank.
QString longestName();
// Shows, in every stacked widget that holds it, the page with `w` on it.
void showPageOf(QWidget* w);
using Visit = std::function<void(const QString& name, QWidget* top)>;
void run(MainMenu* w, TestUnit& unit, const Visit& visit);
// What changes with the developer features on: the main page, the acoustic
// screens' developer buttons, the H2 screen's read-outs and chart with
// extreme readings, the pairing dialog and the filter dialog. Names end in
// "/developer"; the features are off again afterwards.
void developer(MainMenu* w, TestUnit& unit, const Visit& visit);
// Each page of top's stacked widgets, after top itself.
void pages(const QString& name, QWidget* top, const Visit& visit);
}

#endif
