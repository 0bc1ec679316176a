#ifndef STOREDMEASUREMENT_H
#define STOREDMEASUREMENT_H

#include "Tools/measurements.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

// One entry of the measurement directory as the browser shows and edits it,
// read from its name "<TT>_<yyyyMMdd>_<hhmmss>_<name>" (fixed widths). The
// changes act only on that one direct child of the measurement directory: a
// symbolic link is renamed or removed as a link, never followed.
class StoredMeasurement
{
public:
    // What a change did; `error` is the text for the operator ("" when none).
    struct Result {
        enum Outcome { Done, Refused, Failed };
        Outcome outcome = Done;
        QString error;
        QString dirName;  // the entry's name afterwards; "" once removed, or for none that leads to it alone
    };

    // `ambiguity`: whether the name leads to this entry alone, as listed.
    static StoredMeasurement fromDirName(const QString& dirName,
                                         Measurements::Ambiguity ambiguity = Measurements::Ambiguity::None);

    QString dirName() const { return m_dirName; }
    // The name it is selected and acted on by: "" for one its name does not
    // lead to alone, so that nothing reaches another entry in its place.
    QString exactName() const { return Measurements::ruleOf(m_ambiguity).changes ? m_dirName : QString(); }
    // The screen that shows it (Screen::Widget); 0 for a prefix of none.
    int widget() const { return m_type ? m_type->widget : 0; }
    // Whether date, time and name read from the directory name; that name.
    bool isParsed() const { return m_parsed; }
    QString name() const { return m_name; }

    // The type in the main page's words.
    QString typeText() const;
    // Type, date, time and name; an entry whose name does not read shows its
    // whole directory name in the last column and leaves date and time empty.
    QStringList columns(const QString& dateFormat, const QString& timeFormat) const;

    // "" when the entry can be opened, else why not: gone, or there but not
    // a directory whose info.ini can be read, or not reached by its name (its
    // own not valid in the file-name encoding). A valid name beside one that
    // reads alike leads to its own entry, and opening only reads.
    static QString openProblem(const StoredMeasurement& entry);
    static QString openProblem(const QString& dirName);
    // Prefix, date and time are kept; the typed name is cleaned by the
    // store's rule. The name in info.ini changes and no other byte of it.
    // Empty names and names in use are refused, and so is an entry whose
    // info.ini cannot take the new name that way (a link, not a file, too
    // large, empty, UTF-16, a NUL byte, a typed value, a name over more
    // than one line), before anything of the entry is touched.
    static Result rename(const QString& dirName, const QString& typedName);
    static Result remove(const QString& dirName);
    // The same for an entry as listed: one its name does not lead to alone is
    // neither renamed nor removed.
    static Result rename(const StoredMeasurement& entry, const QString& typedName);
    static Result remove(const StoredMeasurement& entry);

private:
    QString m_dirName;
    Measurements::Ambiguity m_ambiguity = Measurements::Ambiguity::None;
    const Measurements::TypeRow* m_type = nullptr;
    bool m_parsed = false;
    QDate m_date;
    QTime m_time;
    QString m_name;
};

#endif
