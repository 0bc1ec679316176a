#ifndef LAZYICONENGINE_H
#define LAZYICONENGINE_H

#include <QIcon>
#include <QIconEngine>
#include <QVector>

// An icon made from image files that decodes them when it is first drawn or
// measured, not when it is made: the forms of pages that are not shown at
// start hold dozens of icons, and the unit's one core would decode them all
// before the first paint. Decoded images are shared through the pixmap
// cache, so an image used by several icons is decoded once.
//
// Every QIcon::addFile() of a PNG file (so every icon of every form and every
// "image" of a style sheet) gets this engine where Qt finds the plugin
// "iconengines/libvqlazyicons.so" beside the program; without it icons are
// decoded as they are made, as Qt does.
class LazyIconEngine : public QIconEngine
{
public:
    LazyIconEngine() = default;

    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode,
                 QIcon::State state) override;
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) const override;
    QString key() const override;
    QIconEngine* clone() const override;
    void virtual_hook(int id, void* data) override;

    // Whether the files have been decoded (for tests).
    bool isDecoded() const { return m_pending.isEmpty(); }

private:
    struct File {
        QString name;
        QSize size;
        QIcon::Mode mode;
        QIcon::State state;
    };

    // The icon with every file decoded into it.
    const QIcon& decoded();

    QVector<File> m_pending;
    QIcon m_icon;
};

#endif
