#ifndef STATECOMMAND_H
#define STATECOMMAND_H

#include <QDir>
#include <QString>
#include <QStringList>
#include <QTextStream>

// `devsim <name> <root> [options]` for a simulated part whose state lives in
// <root><State::kUnitPath>: applies the options, saves when there were any,
// prints the state. State has load(root), applyOptions(options, &error),
// save(root) and describe().
template <class State>
int runStateCommand(const QString& root, const char* name, const QStringList& options, QTextStream& out,
                    QTextStream& err)
{
    if (!QDir(root + "/sys").exists()) {
        err << "devsim: no device tree at " << root << " (run devsim create first)\n";
        return 1;
    }
    State state = State::load(root);
    QString error;
    if (!state.applyOptions(options, &error)) {
        err << "devsim: " << error << "\n";
        return 2;
    }
    if (!options.isEmpty() && !state.save(root)) {
        err << "devsim: cannot write " << root + State::kUnitPath << "\n";
        return 1;
    }
    out << "devsim: " << name << " " << state.describe() << "\n";
    return 0;
}

#endif
