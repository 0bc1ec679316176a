#ifndef WT32PEER_H
#define WT32PEER_H

#include "ptypair.h"
#include "wt32module.h"

#include <QElapsedTimer>
#include <QObject>

// A WT32 module on a pseudo-terminal and the board's two mode lines: the
// program opens the slave (linked at e.g. <root>/dev/ttyO2), the module
// answers on the master, writes its data-mode output to gpio59/value and
// watches gpio58/value (DTR) for a rising edge.
class Wt32Peer : public QObject
{
    Q_OBJECT
public:
    static constexpr int kAutocallRetryMs = 500;

    explicit Wt32Peer(QObject* parent = nullptr);

    // Opens the pair and links the slave at linkPath; the mode lines are
    // those below root.
    bool start(const QString& root, const QString& linkPath);
    void stop() { m_pty.close(); }

    Wt32Module& module() { return m_module; }
    // Writes bytes towards the program as the module would (the mode line
    // first, so it is current when the program reads them).
    void write(const QByteArray& bytes);
    // Reads DTR (a rise leaves data mode), calls again while AUTOCALL finds
    // no audio link, and updates the data-mode line.
    void poll();
    // Writes the data-mode line if it changed.
    void updateModeLine();

private:
    PtyPair m_pty;
    Wt32Module m_module;
    QString m_root;
    int m_lastDtr = -1;
    int m_modeLine = -1;
    QElapsedTimer m_sinceAutocall;
};

#endif
