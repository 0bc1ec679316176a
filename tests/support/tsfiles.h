#ifndef TSFILES_H
#define TSFILES_H

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The translation sources of the repository, as the tests read them.
namespace TsFiles {

struct Entry {
    QString context;
    QString source;
    QString translation;
    QString type; // empty when finished
    QString file;
    QString key() const { return context + '/' + source; }
};

// The 26 built-in codes, GB first and EN last.
QStringList builtInCodes();
// GB and EN are built from the English sources, the others from <CC>/.
QStringList sources(const QString& code);
// Every entry of a language; a file that cannot be read gives an entry of
// type "unreadable" naming it.
QList<Entry> read(const QString& code);
// What the maintenance script's lupdate finds in the product; empty with
// *error set when it could not run.
QList<Entry> found(QString* error);
// English texts that a language rightly keeps (<CC>/same-as-english.txt).
QSet<QString> sameAsEnglish(const QString& code);

}

#endif
