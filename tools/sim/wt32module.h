#ifndef WT32MODULE_H
#define WT32MODULE_H

#include "simmodule.h"

// What goes wrong, switched on by a test.
enum class Wt32Failure {
    DataModeLineHigh,  // the data-mode output reads 1 whatever the mode
    DataModeLineLow,   // the data-mode output reads 0 whatever the mode
};

// A stand-in for a WT32 Bluetooth module: bytes from the unit in, the
// module's answer bytes out. In command mode each line (ended by LF) is a
// command; the module answers in lines ended by CR LF and ignores empty
// lines. In data mode the bytes go to the accessory behind the selected
// RFCOMM link, and the accessory's lines come back raw. The module enters
// data mode by itself once an RFCOMM call connects ("CONNECT n RFCOMM") and
// after "SELECT n" (bytes right after it are data); a DTR rise takes it back.
//
// It keeps its settings ("SET <group> <key> <value>", listed by "SET",
// persistent), its own address ("SET BT BDADDR"), a paired list ("PAIR",
// "SET BT PAIR *"), calls its paired devices while AUTOCALL is set, opens and
// closes links ("CALL", "KILL", "CLOSE", "LIST"), searches ("INQUIRY"),
// restarts ("RESET", "SET RESET": banner, then "READY."), speaks AVRCP and
// the hands-free gateway towards a headset, and answers "AT". Any command
// can be given a scripted answer or none at all; every received byte,
// command and data line is recorded.
class Wt32Module : public SimModule<Wt32Failure>
{
public:
    using Failure = Wt32Failure;
    static const char* const kBanner;  // the start banner, version in parentheses

    Wt32Module();

    // Bytes written by the unit; returns the module's answer bytes.
    QByteArray receive(const QByteArray& bytes);
    // A rising edge on the DTR input: back to command mode.
    QByteArray dtrRise();
    bool isDataMode() const { return m_dataMode; }
    // The data-mode output as the unit reads it.
    bool dataModeLine() const;

    // While AUTOCALL is set and no A2DP link stands: calls the first paired
    // device in reach (the events of the new links), else nothing.
    QByteArray autocall();
    bool isAutocallOn() const { return !m_stored.value("CONTROL AUTOCALL").isEmpty(); }

    // Settings are stored as they are set; the state file is saved on every change.
    QString setting(const QString& key) const { return m_stored.value(key); }
    void setSetting(const QString& key, const QString& value) { m_stored.insert(key, value); }

    // Open links, "<id> <profile> <address>".
    QStringList openLinks() const;

    // Events the module prints by itself; empty when there is nothing to say.
    QByteArray accessoryLines(const QStringList& lines);  // raw in data mode, held in command mode
    QByteArray headsetVolumeChanged();                    // AVRCP ... VOLUME_CHANGED
    QByteArray headsetBattery();                          // over the hands-free link
    // Drops the links of one profile ("SPP" and "AGHFP" name RFCOMM and
    // HFP-AG), or every link for an empty profile.
    QByteArray linkLoss(const QString& profile);

    // The log shows data lines in ("<=") and out ("=>") and each mode change
    // ("--") besides the commands and the module's lines.
    // Lines handed to the accessory in data mode.
    QStringList dataLines() const { return m_carried; }

private:
    // Link profiles: "A2DP", "AVRCP", "RFCOMM", "HFP-AG".
    QByteArray command(const QString& line);
    QByteArray toAccessory(const QString& line);
    QByteArray raw(const QStringList& accessoryOut) const;
    QByteArray restart();
    QByteArray set(const QString& rest);
    QByteArray call(const QString& address, const QString& profile);
    QByteArray connectAudio(const SimRemote& remote);
    QByteArray closeLinks(const QList<int>& ids, const QString& reason);
    QByteArray avrcp(const QString& rest);
    QByteArray inquiry() const;
    QByteArray enterDataMode(int linkId);
    void leaveDataMode(const char* why);
    static bool accepts(const SimRemote& remote, const QString& profile);
    int freeLinkId() const;
    int headsetPercent(const SimRemote& r) const;

    bool m_dataMode = false;
    int m_dataLink = -1;
    QStringList m_heldAccessoryLines;  // arrived in command mode
};

#endif
